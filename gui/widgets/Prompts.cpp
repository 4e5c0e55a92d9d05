#include "gui/widgets/Prompts.h"

#include "gui/widgets/FocusReturn.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace Prompts {
namespace {

Responder* g_responder = nullptr;

QString shownText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

Answer showMessageBox(const MessageRequest& request)
{
    const FocusReturn focusReturn;
    QMessageBox box(boxIcon(request.icon), request.title, shownText(request.text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    switch (request.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        box.setStandardButtons(
            QMessageBox::Yes | QMessageBox::No
            | (request.buttons == Buttons::YesNoCancel ? QMessageBox::Cancel : QMessageBox::NoButton));
        box.setDefaultButton(request.defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
        break;
    case Buttons::RecoverDiscard: {
        QPushButton* recover
            = box.addButton(QCoreApplication::translate("Prompts", "&Recover"), QMessageBox::AcceptRole);
        QPushButton* discard
            = box.addButton(QCoreApplication::translate("Prompts", "&Discard"), QMessageBox::DestructiveRole);
        box.setDefaultButton(request.defaultAnswer == Answer::No ? discard : recover);
        box.setEscapeButton(recover);
        box.exec();
        return box.clickedButton() == discard ? Answer::No : Answer::Yes;
    }
    case Buttons::YesNoSave:
    case Buttons::YesNoSaveAs: {
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        QPushButton* third = box.addButton(request.buttons == Buttons::YesNoSave
                                               ? QCoreApplication::translate("Prompts", "&Save")
                                               : QCoreApplication::translate("Prompts", "Save &As..."),
                                           QMessageBox::AcceptRole);
        box.setDefaultButton(request.defaultAnswer == Answer::No ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        if (box.clickedButton() == third)
            return request.buttons == Buttons::YesNoSave ? Answer::Save : Answer::SaveAs;
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    }
    const int result = box.exec();
    switch (request.buttons) {
    case Buttons::Ok:
    case Buttons::RecoverDiscard:
    case Buttons::YesNoSave:
    case Buttons::YesNoSaveAs:
        return Answer::Ok;
    case Buttons::YesNo:
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    case Buttons::YesNoCancel:
        break;
    }
    // Escape and the close box give Cancel here.
    return result == QMessageBox::Yes ? Answer::Yes : result == QMessageBox::No ? Answer::No : Answer::Cancel;
}

std::optional<QString> showInputDialog(const InputRequest& request)
{
    const FocusReturn focusReturn;
    bool accepted = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), request.title, shownText(request.prompt),
                                                 QLineEdit::Normal, request.defaultText, &accepted);
    if (!accepted)
        return std::nullopt;
    return answer;
}

// Qt's folder dialog refuses a folder name typed that is not there yet ("Directory not found");
// this one takes it, and the caller makes the folder (as Publish Web Site does).
class FolderDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (fileMode() == QFileDialog::Directory && chosen.size() == 1 && !chosen.first().isEmpty()
            && !QFileInfo::exists(chosen.first())) {
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }
};

QString showFileDialog(const FileRequest& request)
{
    const FocusReturn focusReturn;
    // A folder that is not there (a documents folder never made) would be offered as the file's name.
    const QString folder = QFileInfo(request.startFolder).isDir() ? request.startFolder : QDir::homePath();
    FolderDialog dialog(QApplication::activeWindow(), request.title, folder, request.filter);
    dialog.setAcceptMode(request.mode == FileRequest::Mode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mode == FileRequest::Mode::Folder ? QFileDialog::Directory : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ShowDirsOnly, request.mode == FileRequest::Mode::Folder);
    // The callers ask about overwriting themselves and add the extension to a typed name.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(QString());
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

bool showPrintDialog(QPrinter* printer)
{
    const FocusReturn focusReturn;
    QPrintDialog dialog(printer, QApplication::activeWindow());
    dialog.setWindowTitle(QCoreApplication::translate("Prompts", "Print"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

void setResponder(Responder* responder)
{
    g_responder = responder;
}

Answer message(const MessageRequest& request)
{
    return g_responder ? g_responder->message(request) : showMessageBox(request);
}

Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    return message(MessageRequest { text, title, icon, buttons });
}

void refuse(const QString& text, const QString& title)
{
    message(text, title, Icon::Exclamation, Buttons::Ok);
}

bool ask(const QString& text, const QString& title, Answer defaultAnswer)
{
    return message(MessageRequest { text, title, Icon::Question, Buttons::YesNo, defaultAnswer }) == Answer::Yes;
}

Answer askOrCancel(const QString& text, const QString& title, Answer defaultAnswer)
{
    return message(MessageRequest { text, title, Icon::Question, Buttons::YesNoCancel, defaultAnswer });
}

bool mayOverwrite(const QString& path)
{
    return !QFileInfo::exists(path)
        || ask(QCoreApplication::translate("Prompts", "File Exists.  Overwrite ?"),
               QCoreApplication::translate("Prompts", "Save File"), Answer::No);
}

std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText)
{
    const InputRequest request { prompt, title, defaultText };
    return g_responder ? g_responder->input(request) : showInputDialog(request);
}

QString file(const FileRequest& request)
{
    return g_responder ? g_responder->file(request) : showFileDialog(request);
}

bool choosePrinter(QPrinter* printer)
{
    return g_responder ? g_responder->choosePrinter(printer) : showPrintDialog(printer);
}

} // namespace Prompts
