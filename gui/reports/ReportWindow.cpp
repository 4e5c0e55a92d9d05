#include "gui/reports/ReportWindow.h"

#include "core/common/FullStop.h"
#include "core/reports/ReportExport.h"
#include "core/reports/ReportFile.h"
#include "core/reports/ReportRtf.h"
#include "core/reports/TaggedReportFile.h"
#include "gui/widgets/BusyWindow.h"
#include "gui/widgets/CenterWindow.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Prompts.h"
#include "gui/widgets/Twips.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>

namespace {

constexpr int kClientWidth = 8175;
constexpr int kClientHeight = 6240;
constexpr int kButtonTop = 5640;
constexpr int kButtonHeight = 375;
constexpr double kPrintMarginMm = 25.0;

const QString kSaveTitle = QStringLiteral("Save Report ...");

// The report's columns only line up in a face whose characters are all as wide.
QFont reportFont()
{
    QFont font(QStringLiteral("Courier"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace

ReportWindow::ReportWindow(const QString& text, const QString& taggedFile, QWidget* parent)
    : QDialog(parent)
    , m_text(text)
    , m_taggedFile(taggedFile)
{
    setObjectName(QStringLiteral("reportWindow"));
    setWindowTitle(QStringLiteral("Report"));
    setModal(true);
    buildControls();
    centerWindow(this);
    m_reportText->moveCursor(QTextCursor::Start);
    m_closeButton->setFocus();
}

void ReportWindow::buildControls()
{
    m_reportText = new QPlainTextEdit(this);
    m_reportText->setObjectName(QStringLiteral("reportText"));
    m_reportText->setAccessibleName(QStringLiteral("Report"));
    m_reportText->setReadOnly(true);
    m_reportText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_reportText->setFont(reportFont());
    m_reportText->setPlainText(QString(m_text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    placeInTwips(m_reportText, 135, 105, 7935, 5430);

    // Made in the order the Tab key visits them.
    m_saveRtfButton
        = makeButton(this, QStringLiteral("saveRtfButton"), QStringLiteral("&Save RTF"), QStringLiteral("Save RTF"));
    m_closeButton = makeButton(this, QStringLiteral("closeButton"), QStringLiteral("C&lose"), QStringLiteral("Close"));
    m_copyButton = makeButton(this, QStringLiteral("copyButton"), QStringLiteral("&Copy"), QStringLiteral("Copy"));
    m_saveExcelButton = makeButton(this, QStringLiteral("saveExcelButton"), QStringLiteral("Save E&xcel"),
                                   QStringLiteral("Save Excel"));
    m_saveHtmlButton
        = makeButton(this, QStringLiteral("saveHtmlButton"), QStringLiteral("Save &HTML"), QStringLiteral("Save HTML"));
    m_printButton = makeButton(this, QStringLiteral("printButton"), QStringLiteral("&Print"), QStringLiteral("Print"));
    placeInTwips(m_saveRtfButton, 150, kButtonTop, 1185, kButtonHeight);
    placeInTwips(m_copyButton, 1440, kButtonTop, 1215, kButtonHeight);
    placeInTwips(m_saveExcelButton, 2760, kButtonTop, 1215, kButtonHeight);
    placeInTwips(m_saveHtmlButton, 4080, kButtonTop, 1215, kButtonHeight);
    placeInTwips(m_printButton, 5400, kButtonTop, 1095, kButtonHeight);
    placeInTwips(m_closeButton, 6960, kButtonTop, 1095, kButtonHeight);

    connect(m_saveRtfButton, &QPushButton::clicked, this, &ReportWindow::saveRtf);
    connect(m_copyButton, &QPushButton::clicked, this, &ReportWindow::copy);
    connect(m_saveExcelButton, &QPushButton::clicked, this, &ReportWindow::saveExcel);
    connect(m_saveHtmlButton, &QPushButton::clicked, this, &ReportWindow::saveHtml);
    connect(m_printButton, &QPushButton::clicked, this, &ReportWindow::print);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
}

QString ReportWindow::askSavePath(const QString& description, const QString& pattern)
{
    const QString path = showSaveDialog(kSaveTitle, fileFilter({ { description, pattern } }));
    if (path.isEmpty())
        return QString();
    if (!Prompts::mayOverwrite(path))
        return QString();
    return path;
}

void ReportWindow::refuseSave(const QString& reason)
{
    Prompts::refuse(QStringLiteral("An Error has occurred\r\r") + withFullStop(reason), QStringLiteral("ERROR!"));
}

void ReportWindow::saveRtf()
{
    const QString path = askSavePath(QStringLiteral("RTF Files (*.rtf)"), QStringLiteral("*.rtf"));
    QString error;
    if (!path.isEmpty() && !saveReportFile(reportRtf(m_text), path, &error))
        refuseSave(error);
}

// The exports read the tagged file the report was built with, not the view.
void ReportWindow::saveExcel()
{
    const QString path = askSavePath(kWorkbookFilter, QStringLiteral("*.xlsx"));
    if (path.isEmpty())
        return;
    BusyWindow busy(this);
    QStringList lines;
    QString error;
    if (!readTaggedReportFile(m_taggedFile, &lines, &error) || !saveWorkbook(lines, path, &error)) {
        busy.done();
        refuseSave(error);
    }
}

void ReportWindow::saveHtml()
{
    const QString path = askSavePath(kHtmlFilter, QStringLiteral("*.htm"));
    QStringList lines;
    QString error;
    if (!path.isEmpty()
        && (!readTaggedReportFile(m_taggedFile, &lines, &error) || !saveReportFile(exportHtml(lines), path, &error)))
        refuseSave(error);
}

void ReportWindow::copy()
{
    QGuiApplication::clipboard()->setText(m_reportText->toPlainText());
}

void ReportWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!Prompts::choosePrinter(&printer))
        return;
    printer.setPageMargins(QMarginsF(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm),
                           QPageLayout::Millimeter);
    // Two empty lines above the report, in the report's own face, on whatever paper was chosen.
    QTextDocument document;
    document.setDefaultFont(reportFont());
    document.setPlainText(QStringLiteral("\n\n") + m_reportText->toPlainText());
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        Prompts::refuse(QStringLiteral("The report could not be printed on %1.").arg(where), QStringLiteral("ERROR!"));
    }
}

void ReportWindow::done(int result)
{
    // Close, Escape and the close box alike: the tagged file holds tournament data and serves no one
    // once the report is gone.
    deleteTaggedReportFile(m_taggedFile);
    QDialog::done(result);
}
