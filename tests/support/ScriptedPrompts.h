#pragma once

#include "ui/Prompts.h"

#include <QList>
#include <QString>

// Stands in for every message box, input prompt and file dialog while it lives. A test queues
// the prompts it expects, in order, with their answers; each prompt shown is recorded. A prompt
// that was not expected, or whose text differs from the next expected one, fails the test with
// its text and is answered No / "" so that the code under test takes its cautious path.
class ScriptedPrompts : public Prompts::Responder
{
public:
    enum class Kind { Message, Input, File };

    struct Call
    {
        Kind kind = Kind::Message;
        QString text;  // message text, input prompt, or dialog title for a file dialog
        QString title; // message and input title; file dialog title
        Prompts::Icon icon = Prompts::Icon::None;
        Prompts::Buttons buttons = Prompts::Buttons::Ok;
        Prompts::Answer defaultAnswer = Prompts::Answer::Yes; // questions
        QString defaultText;                                  // input prompts
        QString filter;      // file dialogs
        QString startFolder; // file dialogs
        Prompts::FileRequest::Mode fileMode = Prompts::FileRequest::Mode::Open;
    };

    class Expectation
    {
    public:
        explicit Expectation(ScriptedPrompts& owner, int index)
            : m_owner(owner)
            , m_index(index)
        { }
        // For a message box.
        Expectation& answer(Prompts::Answer answer);
        // For an input prompt (OK with this text) or a file dialog ("" stands for cancel).
        Expectation& answer(const QString& text);
        // For an input prompt: Cancel.
        Expectation& cancel();

    private:
        ScriptedPrompts& m_owner;
        int m_index;
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;

    // The next prompt must carry this text (a message's text, an input's prompt, a file dialog's title).
    Expectation expect(const QString& text);
    Expectation expectMessage(const QString& text) { return expect(text); }

    bool allAnswered() const { return m_next == m_script.size(); }
    const QList<Call>& calls() const { return m_calls; }
    const Call& lastCall() const { return m_calls.last(); }
    QStringList unexpected() const { return m_unexpected; }

    Prompts::Answer message(const Prompts::MessageRequest& request) override;
    std::optional<QString> input(const Prompts::InputRequest& request) override;
    QString file(const Prompts::FileRequest& request) override;

private:
    struct Scripted
    {
        QString text;
        Prompts::Answer answer = Prompts::Answer::Ok;
        QString textAnswer;
        bool cancelled = false;
    };
    const Scripted* take(const QString& text);

    QList<Scripted> m_script;
    int m_next = 0;
    QList<Call> m_calls;
    QStringList m_unexpected;
};
