#include "engine/Grid.h"

#include "platform/RuntimeError.h"

namespace pellory {

namespace {

constexpr int kInvalidCol = 30010;

}  // namespace

Grid::Grid(int rows, int cols)
    : rows_(rows),
      cols_(cols),
      cells_(static_cast<std::size_t>(rows * cols)),
      widths_(static_cast<std::size_t>(cols), 960),
      alignments_(static_cast<std::size_t>(cols), CellAlignment::LeftCenter) {}

std::size_t Grid::Index(int row, int col) const {
    if (row < 0 || row >= rows_) {
        throw RuntimeError(kGridInvalidRow, "Invalid Row value");
    }
    CheckCol(col);
    return static_cast<std::size_t>(row * cols_ + col);
}

void Grid::CheckCol(int col) const {
    if (col < 0 || col >= cols_) {
        throw RuntimeError(kInvalidCol, "Invalid Col value");
    }
}

const std::string& Grid::TextMatrix(int row, int col) const {
    return cells_[Index(row, col)];
}

void Grid::SetTextMatrix(int row, int col, std::string text) {
    cells_[Index(row, col)] = std::move(text);
}

void Grid::SetRow(int row) {
    Index(row, 0);
    row_ = row;
}

void Grid::SetCol(int col) {
    CheckCol(col);
    col_ = col;
}

int Grid::ColWidth(int col) const {
    CheckCol(col);
    return widths_[static_cast<std::size_t>(col)];
}

void Grid::SetColWidth(int col, int twips) {
    CheckCol(col);
    widths_[static_cast<std::size_t>(col)] = twips;
}

CellAlignment Grid::ColAlignment(int col) const {
    CheckCol(col);
    return alignments_[static_cast<std::size_t>(col)];
}

void Grid::SetColAlignment(int col, CellAlignment alignment) {
    CheckCol(col);
    alignments_[static_cast<std::size_t>(col)] = alignment;
}

void Grid::Clear() {
    for (auto& cell : cells_) {
        cell.clear();
    }
}

}  // namespace pellory
