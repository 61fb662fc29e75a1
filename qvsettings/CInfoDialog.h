#pragma once
// "QVX Program Information": tells which of the program's files are installed and which build
// of each is present (size and date of last modification).

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

class CInfoDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 155;
    static constexpr unsigned kIdReport = 1233;

    // Looks for the files in DefaultSearchDirs().
    explicit CInfoDialog(QWidget* parent = nullptr);
    // Looks for the files in searchDirs, in that order.
    CInfoDialog(const QStringList& searchDirs, QWidget* parent);

    // The reported file names, in report order: the editor, the tracker library, the settings
    // library.
    static QStringList ReportedFiles();
    // The folder of the running program, then the library folder beside it (../lib, which is the
    // build tree's and the installation's), then the library folder of the installation.
    static QStringList DefaultSearchDirs();
    // The report: two header lines, then per file an empty line and either three lines (name +
    // "  information", size, date) or one (name + "  does not exist"). A file counts as present
    // in the first folder that has it.
    static QStringList ReportLines(const QStringList& searchDirs);

    QString ReportText() const;

private:
    void BuildReport(const QStringList& searchDirs);

    QPlainTextEdit* m_report = nullptr;
};
