#pragma once

#include <string>
#include <vector>

namespace pellory {

// The run-time error of a row outside the grid.
inline constexpr int kGridInvalidRow = 30009;

enum class CellAlignment { LeftCenter, RightCenter };

// The schedule grid: cells of text addressed by row and column, per-column width (twips) and
// alignment, one fixed heading row. Addressing outside the grid raises a run-time error.
class Grid {
  public:
    Grid(int rows, int cols);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }

    const std::string& TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, std::string text);

    // The current cell, as the grid's Row and Col properties select it.
    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRow(int row);
    void SetCol(int col);
    void SetText(std::string text) { SetTextMatrix(row_, col_, std::move(text)); }

    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    CellAlignment ColAlignment(int col) const;
    void SetColAlignment(int col, CellAlignment alignment);

    // Empties the text of every cell, headings included.
    void Clear();

  private:
    std::size_t Index(int row, int col) const;
    void CheckCol(int col) const;

    int rows_;
    int cols_;
    int row_ = 0;
    int col_ = 0;
    std::vector<std::string> cells_;
    std::vector<int> widths_;
    std::vector<CellAlignment> alignments_;
};

}  // namespace pellory
