#include "core/reports/ReportExport.h"

#include "core/common/ExtractField.h"
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
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

namespace {

constexpr int kLeagueFigures = 7;
// The most characters a workbook cell holds; a longer text would be left out of the sheet.
constexpr int kMaxCellCharacters = 32767;
const QString kTable = QStringLiteral("<TABLE border=3 cellpadding=4 cellspacing=0>");
const QString kCreditLine = QStringLiteral("Report created by Tabulon");

struct TaggedItem
{
    bool isDate = false;
    QString date;
    QString matchText;
    QString halfTime;
    QString fullTime;
};

// The tagged lines read as the exporters lay them out.
struct TaggedReport
{
    QStringList heading; // the first three lines, whole
    QVector<TaggedItem> items;
    bool hasLeague = false;
    QStringList header; // the league header's fields 2 to 8
    QVector<QStringList> rows;
    QStringList rowNames;             // each row's name exactly as tagged, blanks included
    QVector<QStringList> adjustments; // team, points, reason

    bool fixtureList() const { return heading.value(0).startsWith(QLatin1String("Fixtures")); }
};

// Raw fields `from` to `to` (from 1) joined again: the tagged lines quote nothing, so a name with
// a comma spans several fields and is only whole when read back from the fixed fields at the end.
QString joinedFields(const QString& line, int from, int to)
{
    return line.split(u',').mid(from - 1, to - from + 1).join(u',').trimmed();
}

TaggedItem matchOf(const QString& line)
{
    const int halfTime = qMax(3, int(line.count(u',')));
    return { false, QString(), joinedFields(line, 2, halfTime - 1), extractField(line, halfTime),
             extractField(line, halfTime + 1) };
}

// The number of fields a league row's name spans: all but the seven figures at the end.
int leagueNameFields(const QString& line)
{
    return qMax(1, int(line.count(u',')) + 1 - kLeagueFigures);
}

QString leagueRowName(const QString& line)
{
    return line.split(u',').mid(0, leagueNameFields(line)).join(u',');
}

QStringList leagueRowOf(const QString& line)
{
    const int nameFields = leagueNameFields(line);
    QStringList fields { joinedFields(line, 1, nameFields) };
    for (int n = nameFields + 1; n <= nameFields + kLeagueFigures; ++n)
        fields.append(extractField(line, n));
    return fields;
}

// An adjustment line "team, points , reason": a name with a comma is known from the league rows,
// compared as tagged, so that a blank before the comma ("Brighton, Hove , -3 , ...") still matches.
QStringList adjustmentOf(const QString& line, const QStringList& rowNames)
{
    QString name = line.section(u',', 0, 0);
    for (const QString& rowName : rowNames) {
        if (rowName.size() > name.size() && line.startsWith(rowName + u','))
            name = rowName;
    }
    const QString rest = line.mid(name.size() + 1);
    return { name.trimmed(), rest.section(u',', 0, 0).trimmed(), rest.section(u',', 1).trimmed() };
}

TaggedReport readTagged(const QStringList& lines)
{
    TaggedReport report;
    report.heading = QStringList { lines.value(0), lines.value(1), lines.value(2) };
    int next = 3;
    QString last = lines.value(2);
    while (next < lines.size() && !last.startsWith(QLatin1String("LEAGUE"))) {
        last = lines[next++];
        if (last.startsWith(QLatin1String("FIXDATE")))
            report.items.append({ true, extractField(last, 2), {}, {}, {} });
        else if (last.startsWith(QLatin1String("RESULT")))
            report.items.append(matchOf(last));
    }
    if (next < lines.size()) {
        report.hasLeague = true;
        const QString header = lines[next++];
        for (int n = 2; n <= 8; ++n)
            report.header.append(extractField(header, n));
        for (; next < lines.size() && lines[next] != kAdjustmentsHeading; ++next) {
            report.rows.append(leagueRowOf(lines[next]));
            report.rowNames.append(leagueRowName(lines[next]));
        }
        for (++next; next < lines.size(); ++next)
            report.adjustments.append(adjustmentOf(lines[next], report.rowNames));
    }
    return report;
}

// One league line of the page: the first cell, then the seven figures a line each.
void appendLeagueRow(QStringList& page, const QString& firstCell, const QStringList& figures)
{
    page.append(firstCell);
    for (int i = 0; i < figures.size(); ++i)
        page.append(QStringLiteral("<TD Width=30 Align=Right>") + figures[i].toHtmlEscaped()
                    + (i + 1 == figures.size() ? QStringLiteral("</TD></TR>") : QStringLiteral("</TD>")));
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
        : m_book(workbook_new(QFile::encodeName(path).constData()))
    { }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book);
    }

    // Lays out the report from the first row. The reason when the workbook could not be made or a
    // text is too long for its cell, "" on success.
    QString fill(const TaggedReport& report)
    {
        if (!m_book)
            return QCoreApplication::translate("ReportExport", "Cannot make the workbook");
        const QByteArray name = sheetNameOf(report.heading[1]).toUtf8();
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
        int row = 0;
        for (const QString& line : report.heading)
            text(row++, 0, line);
        row = 3;
        for (const TaggedItem& item : report.items) {
            if (item.isDate) {
                date(++row, 0, item.date);
                ++row;
            } else {
                text(row, 0, item.matchText);
                text(row, 1, item.halfTime);
                text(row++, 2, item.fullTime);
            }
        }
        if (report.hasLeague) {
            text(++row, 0, QStringLiteral("League Table"));
            row += 2;
            text(row, 0, QStringLiteral("Team"));
            for (int i = 0; i < report.header.size(); ++i)
                text(row, i + 1, report.header[i], m_figureHeading);
            ++row;
            for (const QStringList& fields : report.rows) {
                text(row, 0, fields[0]);
                for (int i = 1; i < fields.size(); ++i)
                    number(row, i, fields[i]);
                ++row;
            }
        }
        if (!report.adjustments.isEmpty()) {
            text(++row, 0, kAdjustmentsHeading);
            row += 2;
            for (const QStringList& adjustment : report.adjustments) {
                text(row, 0, adjustment[0]);
                number(row, 1, adjustment[1]);
                text(row++, 2, adjustment[2]);
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
        const qsizetype characters = value.toUcs4().size();
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
    void number(int row, int column, const QString& value)
    {
        bool isNumber = false;
        const qint64 figure = value.toLongLong(&isNumber);
        if (!isNumber)
            return text(row, column, value);
        worksheet_write_number(m_sheet, row, column, double(figure), nullptr);
        widen(column, value.size());
    }
    void date(int row, int column, const QString& value)
    {
        const QDate day = parseRecordDate(value);
        if (!day.isValid())
            return text(row, column, value);
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

bool readTaggedReportFile(const QString& path, QStringList* lines, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    *lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines->isEmpty() && lines->last().isEmpty())
        lines->removeLast();
    return true;
}

QByteArray exportHtml(const QStringList& taggedLines)
{
    const TaggedReport report = readTagged(taggedLines);
    const bool fixtureList = report.fixtureList();
    const QString title = report.heading[0].toHtmlEscaped();
    QStringList page { QStringLiteral("<HTML><HEAD><TITLE>"),
                       title + QStringLiteral("</TITLE></HEAD><BODY><CENTER>"),
                       QStringLiteral("<H1>") + title + QStringLiteral("</H1>"),
                       QStringLiteral("<H2>") + report.heading[1].toHtmlEscaped() + QStringLiteral("</H2>"),
                       QStringLiteral("<H3>Report ") + report.heading[2].toHtmlEscaped() + QStringLiteral("</H3>"),
                       kTable };
    for (const TaggedItem& item : report.items) {
        if (item.isDate) {
            page.append(QStringLiteral("<TR><TD Width=400><h5>Fixtures on ") + item.date.toHtmlEscaped()
                        + (fixtureList
                               ? QStringLiteral("</H4></TD></TR>")
                               : QStringLiteral("</H4></TD><TD Align=Right>Half</TD><TD Align=Right>Full</TD></TR>")));
            continue;
        }
        page.append(QStringLiteral("<TR><TD>") + item.matchText.toHtmlEscaped() + QStringLiteral("</TD>"));
        if (fixtureList) {
            page.append(QStringLiteral("</TR>"));
        } else {
            page.append(QStringLiteral("<TD Width=50 Align=Right>") + item.halfTime.toHtmlEscaped()
                        + QStringLiteral("</TD>"));
            page.append(QStringLiteral("<TD Width=50 Align=Right>") + item.fullTime.toHtmlEscaped()
                        + QStringLiteral("</TD></TR>"));
        }
    }
    page.append(QStringLiteral("</TABLE><BR>        "));
    page.append(kTable);
    if (report.hasLeague) {
        page.append(QStringLiteral("<TR><TD><h4>League Table</h4></TD></TR>"));
        appendLeagueRow(page, QStringLiteral("<TR><TD Width=150 Align=Left>Team</TD>"), report.header);
        for (const QStringList& fields : report.rows)
            appendLeagueRow(page,
                            QStringLiteral("<TR><TD Align=Left>") + fields[0].toHtmlEscaped() + QStringLiteral("</TD>"),
                            fields.mid(1));
    }
    if (!report.adjustments.isEmpty()) {
        page.append(QStringLiteral("<TR><TD><h4>") + kAdjustmentsHeading + QStringLiteral("</h4></TD></TR>"));
        for (const QStringList& adjustment : report.adjustments)
            page.append(QStringLiteral("<TR><TD Align=Left>") + adjustment[0].toHtmlEscaped()
                        + QStringLiteral("</TD><TD Width=30 Align=Right>") + adjustment[1].toHtmlEscaped()
                        + QStringLiteral("</TD><TD Align=Left ColSpan=6>") + adjustment[2].toHtmlEscaped()
                        + QStringLiteral("</TD></TR>"));
    }
    page.append(QStringLiteral("</TABLE>"));
    page.append(QStringLiteral("<BR>") + kCreditLine);
    page.append(QStringLiteral("<BR><A HREF=\"") + kMakerWebAddress + QStringLiteral("\">from Veltrix</A>"));
    page.append(QStringLiteral("</CENTER></BODY></HTML>"));
    // The byte-order mark tells every browser the page is UTF-8, whatever names it holds.
    return QByteArray("\xEF\xBB\xBF") + (page.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString withWorkbookExtension(const QString& path)
{
    // A folder keeps its name, so that the export refuses it rather than writing beside it.
    const QFileInfo chosen(path);
    if (chosen.isDir() || path.endsWith(u'/'))
        return path;
    return chosen.suffix().isEmpty() ? path + QStringLiteral(".xlsx") : path;
}

bool saveWorkbook(const QStringList& taggedLines, const QString& path, QString* error)
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
        reason = book.fill(readTagged(taggedLines));
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
