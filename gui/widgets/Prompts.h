#pragma once

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

// The one door through which the program shows message boxes, input prompts and file dialogs.
// Texts are passed exactly as the program words them (a line break is a carriage return "\r");
// tests install a scripted Responder in place of the real dialogs.
namespace Prompts {

enum class Icon { None, Information, Exclamation, Question };
// Escape answers No to a Yes/No question, and Cancel to a Yes/No/Cancel one. RecoverDiscard shows
// "&Recover" (Yes) and "&Discard" (No); Escape there recovers, as that loses nothing. YesNoSave adds
// "&Save" (Save) and YesNoSaveAs "Save &As..." (SaveAs) to Yes and No; Escape there answers No.
enum class Buttons { Ok, YesNo, YesNoCancel, RecoverDiscard, YesNoSave, YesNoSaveAs };
enum class Answer { Ok, Yes, No, Cancel, Save, SaveAs };

struct MessageRequest
{
    QString text;
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    Answer defaultAnswer = Answer::Yes; // the button Enter presses, for Yes and No
};

struct InputRequest
{
    QString prompt;
    QString title;
    QString defaultText;
};

struct FileRequest
{
    enum class Mode { Open, Save, Folder };
    Mode mode = Mode::Open;
    QString title;
    QString filter; // Qt form: "Tournament Files (*.trn)", pairs joined by ";;"
    QString startFolder;
};

class Responder
{
public:
    virtual ~Responder() = default;
    virtual Answer message(const MessageRequest& request) = 0;
    virtual std::optional<QString> input(const InputRequest& request) = 0; // nothing on cancel
    virtual QString file(const FileRequest& request) = 0;                  // "" on cancel
    // Sets `printer` up as the user chooses, a PDF file included; false on cancel.
    virtual bool choosePrinter(QPrinter* printer) = 0;
};

// Installs `responder` in place of the real dialogs; nullptr puts the real dialogs back.
void setResponder(Responder* responder);

Answer message(const MessageRequest& request);
Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons = Buttons::Ok);

// Shorthands for the two kinds the program uses throughout: a refusal (exclamation, OK) and a
// question (question icon, Yes and No) that answers true for Yes. A question whose Yes destroys
// or discards something makes No the default, so that Enter pressed in haste loses nothing.
void refuse(const QString& text, const QString& title);
bool ask(const QString& text, const QString& title, Answer defaultAnswer = Answer::Yes);

// True when nothing is at `path` or the user agrees to replace it. Yes would replace the old file,
// so Enter answers No.
bool mayOverwrite(const QString& path);

// A question within a command that Cancel or Escape ends: Yes, No or Cancel.
Answer askOrCancel(const QString& text, const QString& title, Answer defaultAnswer = Answer::Yes);

// A one-line input prompt starting with `defaultText`; nothing when the user cancels.
std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText = QString());

QString file(const FileRequest& request);

// The system's print dialog, with the default printer chosen where there is one; false on cancel.
bool choosePrinter(QPrinter* printer);

} // namespace Prompts
