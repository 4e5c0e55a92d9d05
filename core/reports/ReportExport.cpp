#include "core/reports/ReportExport.h"

#include "core/common/SafeWrite.h"
#include "core/records/RecordLines.h"
#include "core/reports/ExportTarget.h"
#include "core/reports/ReportLayout.h"
#include "core/tournament/ProgramInfo.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QVector>
#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

namespace {

lxw_workbook* newWorkbook(const QString& path)
{
    lxw_workbook_options options {};
    options.constant_memory = LXW_TRUE;
    return workbook_new_opt(QFile::encodeName(path).constData(), &options);
}

// The most characters a workbook cell holds; a longer text would be left out of the sheet.
constexpr int kMaxCellCharacters = 32767;
const QString kTable = QStringLiteral("<TABLE border=3 cellpadding=4 cellspacing=0>");
const QString kCreditLine = QStringLiteral("Report created by Tabulon");

const QStringList kFigureHeadings { QStringLiteral("W"),  QStringLiteral("D"), QStringLiteral("L"),
                                    QStringLiteral("F"),  QStringLiteral("A"), QStringLiteral("GD"),
                                    QStringLiteral("Pts") };

// The figures of a league row in the order the report shows them.
std::array<qint64, 7> figuresOf(const LeagueRow& row)
{
    return { row.won, row.drawn, row.lost, row.goalsFor, row.against, row.diff, row.pts };
}

// The characters a cell counts: a character beyond 16 bits is one, not two.
qsizetype characterCount(const QString& text)
{
    qsizetype surrogates = 0;
    for (const QChar c : text)
        surrogates += c.isLowSurrogate() ? 1 : 0;
    return text.size() - surrogates;
}

// The page is written a line at a time, each ended by CR LF, straight into its UTF-8 bytes: a
// large group's page is megabytes long, and is never held as text as well.
class Page
{
public:
    explicit Page(qsizetype expectedBytes) { m_bytes.reserve(expectedBytes); }
    Page& operator<<(QStringView piece)
    {
        append(piece, false);
        return *this;
    }
    // As QString::toHtmlEscaped would write the text, without a string of its own.
    Page& escaped(QStringView text)
    {
        append(text, true);
        return *this;
    }
    void endLine() { m_bytes += "\r\n"; }
    void line(QStringView text)
    {
        append(text, false);
        endLine();
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    void append(QStringView text, bool escape)
    {
        for (qsizetype at = 0; at < text.size();) {
            const char16_t c = text[at].unicode();
            if (c >= 0x80) {
                // A run of other characters at once, so that a pair of surrogates stays together.
                qsizetype end = at + 1;
                while (end < text.size() && text[end].unicode() >= 0x80)
                    ++end;
                m_bytes += text.mid(at, end - at).toUtf8();
                at = end;
                continue;
            }
            if (escape && c == u'<')
                m_bytes += "&lt;";
            else if (escape && c == u'>')
                m_bytes += "&gt;";
            else if (escape && c == u'&')
                m_bytes += "&amp;";
            else if (escape && c == u'"')
                m_bytes += "&quot;";
            else
                m_bytes += char(c);
            ++at;
        }
    }

    QByteArray m_bytes;
};

// One league line of the page: the first cell, then the seven figures a line each.
void appendLeagueRow(Page& page, const QString& firstCell, const QStringList& figures)
{
    page.line(firstCell);
    for (int i = 0; i < figures.size(); ++i) {
        page << QStringLiteral("<TD Width=30 Align=Right>") << figures[i].toHtmlEscaped()
             << (i + 1 == figures.size() ? QStringLiteral("</TD></TR>") : QStringLiteral("</TD>"));
        page.endLine();
    }
}

// Excel refuses []:*?/\ in a sheet's name, more than 31 characters and a quote at either end.
QString sheetNameOf(const QString& caption)
{
    QList<uint> characters = caption.toUcs4().mid(0, 31);
    for (uint& c : characters) {
        if (QStringLiteral("[]:*?/\\").contains(QChar(c)))
            c = '_';
    }
    if (!characters.isEmpty() && characters.first() == '\'')
        characters.first() = '_';
    if (!characters.isEmpty() && characters.last() == '\'')
        characters.last() = '_';
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size());
}

// libxlsxwriter prints its own error lines to the standard error stream; the export reports every
// failure itself, with the system's reason, so those lines are sent to /dev/null while the library
// works. The stream is the process's own descriptor 2, so this holds only while no other thread
// writes to it: the program makes workbooks on its main thread alone.
class SilencedStandardError
{
public:
    SilencedStandardError()
    {
        std::fflush(stderr);
        m_saved = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_saved >= 0 && null >= 0)
            ::dup2(null, STDERR_FILENO);
        if (null >= 0)
            ::close(null);
    }
    ~SilencedStandardError()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    SilencedStandardError(const SilencedStandardError&) = delete;
    SilencedStandardError& operator=(const SilencedStandardError&) = delete;

private:
    int m_saved = -1;
};

class Workbook
{
public:
    explicit Workbook(const QString& path)
        : m_book(newWorkbook(path))
    { }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book);
    }

    // Lays out the report from the first row. The reason when the workbook could not be made or a
    // text is too long for its cell, "" on success.
    QString fill(const ReportContent& report)
    {
        if (!m_book)
            return QCoreApplication::translate("ReportExport", "Cannot make the workbook");
        const QByteArray name = sheetNameOf(report.heading.value(1)).toUtf8();
        m_sheet = workbook_add_worksheet(m_book, name.isEmpty() ? nullptr : name.constData());
        if (!m_sheet) // a name Excel reserves, such as "History"
            m_sheet = workbook_add_worksheet(m_book, nullptr);
        m_text = workbook_add_format(m_book);
        format_set_num_format_index(m_text, 49); // "@", text
        m_date = workbook_add_format(m_book);
        format_set_num_format(m_date, "dd-mmm-yyyy");
        // A heading over figures stands where they stand, on the right.
        m_figureHeading = workbook_add_format(m_book);
        format_set_num_format_index(m_figureHeading, 49);
        format_set_align(m_figureHeading, LXW_ALIGN_RIGHT);
        for (int row = 0; row < 3; ++row)
            text(row, 0, report.heading.value(row));
        int row = 3;
        for (const ReportLine& line : report.lines) {
            if (line.date.isValid()) {
                date(++row, 0, line.date);
                ++row;
            } else {
                text(row, 0, line.matchText.trimmed());
                text(row, 1, line.halfTime);
                text(row, 2, line.fullTime);
                // A timed game's kick-off and pitch follow, so that the columns before stay where they were.
                if (!line.kickOff.isEmpty()) {
                    text(row, 3, line.kickOff);
                    text(row, 4, line.pitch.trimmed());
                }
                ++row;
            }
        }
        if (report.hasLeague) {
            text(++row, 0, QStringLiteral("League Table"));
            row += 2;
            text(row, 0, QStringLiteral("Team"));
            for (int i = 0; i < kFigureHeadings.size(); ++i)
                text(row, i + 1, kFigureHeadings[i], m_figureHeading);
            ++row;
            for (const LeagueRow& leagueRow : report.rows) {
                text(row, 0, leagueRow.name.trimmed());
                int column = 1;
                for (const qint64 figure : figuresOf(leagueRow))
                    number(row, column++, figure);
                ++row;
            }
        }
        if (!report.adjustments.isEmpty()) {
            text(++row, 0, kAdjustmentsHeading);
            row += 2;
            for (const LeagueAdjustment& adjustment : report.adjustments) {
                text(row, 0, adjustment.name.trimmed());
                number(row, 1, adjustment.points);
                text(row++, 2, adjustment.reason.trimmed());
            }
        }
        text(row + 1, 0, kCreditLine);
        text(row + 2, 0, kMakerWebAddress);
        for (int column = 0; column < m_widths.size(); ++column)
            worksheet_set_column(m_sheet, column, column, qMax(8.43, m_widths[column] + 1.0), nullptr);
        return m_tooLong;
    }

    // Writes the file; the library's reason on failure.
    QString close()
    {
        errno = 0; // the system's reason ("No space left on device") says more than the library's
        const lxw_error error = workbook_close(m_book);
        const int systemError = errno;
        m_book = nullptr;
        if (error == LXW_NO_ERROR)
            return QString();
        return systemError != 0 ? qt_error_string(systemError) : QString::fromUtf8(lxw_strerror(error));
    }

private:
    void widen(int column, int width)
    {
        if (m_widths.size() <= column)
            m_widths.resize(column + 1);
        m_widths[column] = qMin(255, qMax(m_widths[column], width));
    }
    void text(int row, int column, const QString& value, lxw_format* format = nullptr)
    {
        const qsizetype characters = characterCount(value);
        if (characters > kMaxCellCharacters) {
            if (m_tooLong.isEmpty())
                m_tooLong
                    = QCoreApplication::translate(
                          "ReportExport", "The cell %1%2 would hold %3 characters; a workbook cell holds at most %4")
                          .arg(QChar(u'A' + column), QString::number(row + 1), QString::number(characters),
                               QString::number(kMaxCellCharacters));
            return;
        }
        worksheet_write_string(m_sheet, row, column, value.toUtf8().constData(), format ? format : m_text);
        widen(column, value.size());
    }
    void number(int row, int column, qint64 figure)
    {
        worksheet_write_number(m_sheet, row, column, double(figure), nullptr);
        widen(column, int(QString::number(figure).size()));
    }
    void date(int row, int column, const QDate& day)
    {
        lxw_datetime when { day.year(), day.month(), day.day(), 0, 0, 0 };
        worksheet_write_datetime(m_sheet, row, column, &when, m_date);
        widen(column, kRecordDateLength);
    }

    lxw_workbook* m_book;
    lxw_worksheet* m_sheet = nullptr;
    lxw_format* m_text = nullptr;
    lxw_format* m_date = nullptr;
    lxw_format* m_figureHeading = nullptr;
    QVector<int> m_widths;
    QString m_tooLong; // the first cell whose text does not fit
};

} // namespace

QByteArray exportHtml(const ReportContent& report)
{
    const bool fixtureList = report.fixtureList;
    const QString title = report.heading.value(0).toHtmlEscaped();
    // A match line takes about 140 bytes with its scores, a date heading as many. The byte-order
    // mark tells every browser the page is UTF-8, whatever names it holds.
    Page page(1000 + 150 * report.lines.size() + 250 * report.rows.size() + 120 * report.adjustments.size());
    page << u"\uFEFF";
    page.line(QStringLiteral("<HTML><HEAD><TITLE>"));
    page.line(title + QStringLiteral("</TITLE></HEAD><BODY><CENTER>"));
    page.line(QStringLiteral("<H1>") + title + QStringLiteral("</H1>"));
    page.line(QStringLiteral("<H2>") + report.heading.value(1).toHtmlEscaped() + QStringLiteral("</H2>"));
    page.line(QStringLiteral("<H3>Report ") + report.heading.value(2).toHtmlEscaped() + QStringLiteral("</H3>"));
    page.line(kTable);
    for (const ReportLine& line : report.lines) {
        if (line.date.isValid()) {
            page << QStringLiteral("<TR><TD Width=400><h5>Fixtures on ") << formatRecordDate(line.date)
                 << (fixtureList ? QStringLiteral("</H4></TD></TR>")
                                 : QStringLiteral("</H4></TD><TD Align=Right>Half</TD><TD Align=Right>Full</TD></TR>"));
            page.endLine();
            continue;
        }
        page << QStringLiteral("<TR><TD>");
        if (!line.kickOff.isEmpty()) {
            page.escaped(line.kickOff + u' ' + line.pitch.trimmed()) << QStringLiteral(" &#183; ");
        }
        page.escaped(QStringView(line.matchText).trimmed()) << QStringLiteral("</TD>");
        page.endLine();
        if (fixtureList) {
            page.line(QStringLiteral("</TR>"));
        } else {
            page << QStringLiteral("<TD Width=50 Align=Right>");
            page.escaped(line.halfTime) << QStringLiteral("</TD>");
            page.endLine();
            page << QStringLiteral("<TD Width=50 Align=Right>");
            page.escaped(line.fullTime) << QStringLiteral("</TD></TR>");
            page.endLine();
        }
    }
    page.line(QStringLiteral("</TABLE><BR>        "));
    page.line(kTable);
    if (report.hasLeague) {
        page.line(QStringLiteral("<TR><TD><h4>League Table</h4></TD></TR>"));
        appendLeagueRow(page, QStringLiteral("<TR><TD Width=150 Align=Left>Team</TD>"), kFigureHeadings);
        for (const LeagueRow& row : report.rows) {
            QStringList figures;
            for (const qint64 figure : figuresOf(row))
                figures.append(QString::number(figure));
            appendLeagueRow(page,
                            QStringLiteral("<TR><TD Align=Left>") + row.name.trimmed().toHtmlEscaped()
                                + QStringLiteral("</TD>"),
                            figures);
        }
    }
    if (!report.adjustments.isEmpty()) {
        page.line(QStringLiteral("<TR><TD><h4>") + kAdjustmentsHeading + QStringLiteral("</h4></TD></TR>"));
        for (const LeagueAdjustment& adjustment : report.adjustments)
            page.line(QStringLiteral("<TR><TD Align=Left>") + adjustment.name.trimmed().toHtmlEscaped()
                      + QStringLiteral("</TD><TD Width=30 Align=Right>") + QString::number(adjustment.points)
                      + QStringLiteral("</TD><TD Align=Left ColSpan=6>") + adjustment.reason.trimmed().toHtmlEscaped()
                      + QStringLiteral("</TD></TR>"));
    }
    page.line(QStringLiteral("</TABLE>"));
    page.line(QStringLiteral("<BR>") + kCreditLine);
    page.line(QStringLiteral("<BR><A HREF=\"") + kMakerWebAddress + QStringLiteral("\">from Veltrix</A>"));
    page.line(QStringLiteral("</CENTER></BODY></HTML>"));
    return page.bytes();
}

QString withWorkbookExtension(const QString& path)
{
    // A folder keeps its name, so that the export refuses it rather than writing beside it.
    const QFileInfo chosen(path);
    if (chosen.isDir() || path.endsWith(u'/'))
        return path;
    return chosen.suffix().isEmpty() ? path + QStringLiteral(".xlsx") : path;
}

bool saveWorkbook(const ReportContent& report, const QString& path, QString* error)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QString problem = exportTargetProblem(path);
    if (!problem.isEmpty())
        return fail(problem);
    // The library writes only to a named file: the workbook is made in a folder of the user's own,
    // then written over the old file as any other export is.
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return fail(scratch.errorString());
    const QString made = scratch.filePath(QStringLiteral("report.xlsx"));
    QString reason;
    {
        const SilencedStandardError silenced;
        Workbook book(made);
        reason = book.fill(report);
        if (reason.isEmpty())
            reason = book.close();
    }
    if (!reason.isEmpty())
        return fail(reason);
    QFile workbook(made);
    if (!workbook.open(QIODevice::ReadOnly))
        return fail(workbook.errorString());
    return writeFileSafely(path, workbook.readAll(), error);
}
