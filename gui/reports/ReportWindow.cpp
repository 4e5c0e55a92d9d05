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

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// The window's first and smallest size, in twips: the text above a row of buttons.
constexpr int kTextWidth = 7935;
constexpr int kTextHeight = 5430;
constexpr int kLeftMargin = 135;
constexpr int kTopMargin = 105;
constexpr int kRightMargin = 105;
constexpr int kBottomMargin = 225;
constexpr int kGap = 105;
constexpr int kButtonHeight = 375;
constexpr double kPrintMarginMm = 25.0;

QString saveTitle()
{
    return ReportWindow::tr("Save Report ...");
}

// The report's columns only line up in a face whose characters are all as wide.
QFont reportFont()
{
    QFont font(QStringLiteral("Courier"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

void printReport(const QString& text, QPrinter* printer)
{
    QTextDocument document;
    layOutReport(document, text, printer);
    document.print(printer);
}

// No control is ever smaller than it was when the window had one size only, nor too small for its text.
void setMinimumTwips(QWidget* control, int width, int height)
{
    control->setMinimumSize(QSize(twipsToPixels(width), twipsToPixels(height)).expandedTo(control->sizeHint()));
}

} // namespace

void layOutReport(QTextDocument& document, const QString& text, QPrinter* printer)
{
    printer->setPageMargins(QMarginsF(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm),
                            QPageLayout::Millimeter);
    document.setDefaultFont(reportFont());
    document.setPlainText(QStringLiteral("\n\n") + text);
    // Laid out for the page here, so that print() keeps it instead of laying it out again 2 cm in
    // from each margin, which leaves room for 56 characters and sends a knockout score to a line
    // of its own.
    document.documentLayout()->setPaintDevice(printer);
    document.setPageSize(printer->pageLayout().paintRectPixels(printer->resolution()).size());
}

ReportWindow::ReportWindow(const QString& text, const ReportContent& content, const QString& taggedFile,
                           QWidget* parent, const QString& taggedFileError)
    : QDialog(parent)
    , m_text(text)
    , m_content(content)
    , m_taggedFile(taggedFile)
    , m_taggedFileError(taggedFileError)
{
    setObjectName(QStringLiteral("reportWindow"));
    setWindowTitle(tr("Report"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(true);
    buildControls();
    resize(minimumSizeHint());
    centerWindow(this);
    m_reportText->moveCursor(QTextCursor::Start);
    m_closeButton->setFocus();
}

void ReportWindow::buildControls()
{
    m_reportText = new QPlainTextEdit(this);
    m_reportText->setObjectName(QStringLiteral("reportText"));
    m_reportText->setAccessibleName(tr("Report"));
    m_reportText->setReadOnly(true);
    m_reportText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_reportText->setFont(reportFont());
    m_reportText->setPlainText(QString(m_text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    setMinimumTwips(m_reportText, kTextWidth, kTextHeight);

    // Made in the order the Tab key visits them.
    m_saveRtfButton = makeButton(this, QStringLiteral("saveRtfButton"), tr("&Save RTF"), tr("Save RTF"));
    m_closeButton = makeButton(this, QStringLiteral("closeButton"), tr("C&lose"), tr("Close"));
    m_copyButton = makeButton(this, QStringLiteral("copyButton"), tr("&Copy"), tr("Copy"));
    m_saveExcelButton = makeButton(this, QStringLiteral("saveExcelButton"), tr("Save E&xcel"), tr("Save Excel"));
    m_saveHtmlButton = makeButton(this, QStringLiteral("saveHtmlButton"), tr("Save &HTML"), tr("Save HTML"));
    m_printButton = makeButton(this, QStringLiteral("printButton"), tr("&Print"), tr("Print"));
    m_printPreviewButton
        = makeButton(this, QStringLiteral("printPreviewButton"), tr("Print Pre&view"), tr("Print Preview"));
    setMinimumTwips(m_saveRtfButton, 1185, kButtonHeight);
    setMinimumTwips(m_copyButton, 1215, kButtonHeight);
    setMinimumTwips(m_saveExcelButton, 1215, kButtonHeight);
    setMinimumTwips(m_saveHtmlButton, 1215, kButtonHeight);
    setMinimumTwips(m_printButton, 1095, kButtonHeight);
    setMinimumTwips(m_printPreviewButton, 1095, kButtonHeight);
    setMinimumTwips(m_closeButton, 1095, kButtonHeight);

    // Close stands apart at the right; the text takes whatever room the window is given.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(twipsToPixels(kGap));
    for (QPushButton* button :
         { m_saveRtfButton, m_copyButton, m_saveExcelButton, m_saveHtmlButton, m_printButton, m_printPreviewButton })
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twipsToPixels(kLeftMargin), twipsToPixels(kTopMargin), twipsToPixels(kRightMargin),
                               twipsToPixels(kBottomMargin));
    layout->setSpacing(twipsToPixels(kGap));
    layout->addWidget(m_reportText, 1);
    layout->addLayout(buttons);

    connect(m_saveRtfButton, &QPushButton::clicked, this, &ReportWindow::saveRtf);
    connect(m_copyButton, &QPushButton::clicked, this, &ReportWindow::copy);
    connect(m_saveExcelButton, &QPushButton::clicked, this, &ReportWindow::saveExcel);
    connect(m_saveHtmlButton, &QPushButton::clicked, this, &ReportWindow::saveHtml);
    connect(m_printButton, &QPushButton::clicked, this, &ReportWindow::print);
    connect(m_printPreviewButton, &QPushButton::clicked, this, &ReportWindow::printPreview);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

QString ReportWindow::askSavePath(const QString& description, const QString& pattern)
{
    const QString path = showSaveDialog(saveTitle(), fileFilter({ { description, pattern } }));
    if (path.isEmpty())
        return QString();
    if (!Prompts::mayOverwrite(path))
        return QString();
    return path;
}

void ReportWindow::refuseSave(const QString& reason)
{
    Prompts::refuse(tr("An Error has occurred\r\r") + withFullStop(reason), tr("ERROR!"));
}

void ReportWindow::saveRtf()
{
    const QString path = askSavePath(tr("RTF Files (*.rtf)"), QStringLiteral("*.rtf"));
    QString error;
    if (!path.isEmpty() && !saveReportFile(reportRtf(m_text), path, &error))
        refuseSave(error);
}

// The exports go with the tagged file the report was built with: without it they do not run.
bool ReportWindow::mayExport()
{
    if (!m_taggedFile.isEmpty())
        return true;
    refuseSave(m_taggedFileError);
    return false;
}

void ReportWindow::saveExcel()
{
    if (!mayExport())
        return;
    const QString path = askSavePath(tr("Excel Files (*.xlsx)"), QStringLiteral("*.xlsx"));
    if (path.isEmpty())
        return;
    BusyWindow busy(this);
    QString error;
    if (!saveWorkbook(m_content, path, &error)) {
        busy.done();
        refuseSave(error);
    }
}

void ReportWindow::saveHtml()
{
    if (!mayExport())
        return;
    const QString path = askSavePath(tr("HTML Document (*.htm)"), QStringLiteral("*.htm"));
    QString error;
    if (!path.isEmpty() && !saveReportFile(exportHtml(m_content), path, &error))
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
    printReport(m_reportText->toPlainText(), &printer);
    if (printer.printerState() == QPrinter::Error) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        Prompts::refuse(tr("The report could not be printed on %1.").arg(where), tr("ERROR!"));
    }
}

void ReportWindow::printPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowFlag(Qt::WindowMaximizeButtonHint);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* pages) { printReport(m_reportText->toPlainText(), pages); });
    preview.exec();
}

void ReportWindow::done(int result)
{
    // Close, Escape and the close box alike: the tagged file holds tournament data and serves no one
    // once the report is gone.
    deleteTaggedReportFile(m_taggedFile);
    QDialog::done(result);
}

void showReportWindow(Report report, QWidget* over)
{
    if (!report.ok()) {
        Prompts::refuse(report.error, kReportFailureTitle);
        return;
    }
    TaggedFileOutcome tagged;
    {
        BusyWindow busy(over);
        tagged = writeTaggedReportFile(report.taggedLines());
    }
    QWidget* owner = over->window() == over ? nullptr : over->window();
    ReportWindow reportWindow(report.text, report.content, tagged.path, owner, tagged.error);
    reportWindow.exec();
    if (QWidget* frame = over->parentWidget())
        frame->raise();
}
