#include <QApplication>

int RunHelpWindowTests(int argc, char** argv);
int RunAboutDialogTests(int argc, char** argv);
int RunHelpMenuTests(int argc, char** argv);

// The widget tests of help and the About box, one Qt Test class after the other.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    failures += RunHelpWindowTests(argc, argv);
    failures += RunAboutDialogTests(argc, argv);
    failures += RunHelpMenuTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
