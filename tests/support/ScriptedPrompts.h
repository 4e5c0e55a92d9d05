#pragma once

#include "gui/widgets/Prompts.h"

#include <QList>
#include <QString>

// Stands in for every message box, input prompt and file dialog while it lives. A test queues
// the prompts it expects, in order, with their answers; each prompt shown is recorded. A prompt
// that was not expected, or whose text differs from the next expected one, fails the test with
// its text; from then on questions are answered Yes, ending any loop that would ask for ever.
class ScriptedPrompts : public Prompts::Responder
{
public:
    struct Call
    {
        QString text; // message text, input prompt, or dialog title for a file dialog
        Prompts::Answer defaultAnswer = Prompts::Answer::Yes; // questions: the button Enter presses
        QString defaultText;                                  // input prompts
        QString filter;                                       // file dialogs
        QString startFolder;                                  // file dialogs
    };

    // An expected prompt; valid until the next expect().
    class Expectation
    {
    public:
        // For a message box. Cancel stands for Cancel or Escape; a Yes/No question takes it as No,
        // as Escape there answers No. Save and SaveAs answer only where that button is shown.
        Expectation& answer(Prompts::Answer answer)
        {
            m_answer = answer;
            return *this;
        }
        // For an input prompt (OK with this text, nullopt for Cancel) or a file dialog ("" stands for cancel).
        Expectation& answer(const std::optional<QString>& text)
        {
            m_textAnswer = text;
            return *this;
        }

    private:
        friend class ScriptedPrompts;
        QString m_text;
        Prompts::Answer m_answer = Prompts::Answer::Ok;
        std::optional<QString> m_textAnswer = QString();
    };

    ScriptedPrompts() { Prompts::setResponder(this); }
    ~ScriptedPrompts() override { Prompts::setResponder(nullptr); }

    // The next prompt must carry this text (a message's text, an input's prompt, a file dialog's title).
    Expectation& expect(const QString& text);

    bool allAnswered() const { return m_next == m_script.size(); }
    const QList<Call>& calls() const { return m_calls; }
    const Call& lastCall() const { return m_calls.last(); }

    Prompts::Answer message(const Prompts::MessageRequest& request) override;
    std::optional<QString> input(const Prompts::InputRequest& request) override;
    QString file(const Prompts::FileRequest& request) override;
    // The print dialog is expected as "Print"; its text answer is the PDF file to print to ("" cancels).
    bool choosePrinter(QPrinter* printer) override;

private:
    const Expectation* take(const Call& call);

    QList<Expectation> m_script;
    int m_next = 0;
    QList<Call> m_calls;
    QStringList m_unexpected;
};
