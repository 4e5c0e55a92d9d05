#include "ScriptedPrompts.h"

#include <QTest>

ScriptedPrompts::Expectation& ScriptedPrompts::Expectation::answer(Prompts::Answer answer)
{
    m_owner.m_script[m_index].answer = answer;
    return *this;
}

ScriptedPrompts::Expectation& ScriptedPrompts::Expectation::answer(const QString& text)
{
    m_owner.m_script[m_index].textAnswer = text;
    return *this;
}

ScriptedPrompts::Expectation& ScriptedPrompts::Expectation::cancel()
{
    m_owner.m_script[m_index].cancelled = true;
    return *this;
}

ScriptedPrompts::ScriptedPrompts()
{
    Prompts::setResponder(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    Prompts::setResponder(nullptr);
}

ScriptedPrompts::Expectation ScriptedPrompts::expect(const QString& text)
{
    m_script.append(Scripted { text, Prompts::Answer::Ok, QString(), false });
    return Expectation(*this, m_script.size() - 1);
}

const ScriptedPrompts::Scripted* ScriptedPrompts::take(const QString& text)
{
    if (m_next < m_script.size() && m_script[m_next].text == text)
        return &m_script[m_next++];
    const QString expected = m_next < m_script.size() ? m_script[m_next].text : QStringLiteral("(nothing)");
    m_unexpected.append(text);
    const QByteArray reason = QStringLiteral("Unexpected prompt \"%1\"; expected \"%2\"").arg(text, expected).toUtf8();
    QTest::qFail(reason.constData(), __FILE__, __LINE__);
    return nullptr;
}

Prompts::Answer ScriptedPrompts::message(const Prompts::MessageRequest& request)
{
    Call call;
    call.kind = Kind::Message;
    call.text = request.text;
    call.title = request.title;
    call.icon = request.icon;
    call.buttons = request.buttons;
    call.defaultAnswer = request.defaultAnswer;
    m_calls.append(call);
    const Scripted* scripted = take(request.text);
    if (!scripted)
        return request.buttons == Prompts::Buttons::YesNo ? Prompts::Answer::No : Prompts::Answer::Ok;
    if (request.buttons == Prompts::Buttons::Ok)
        return Prompts::Answer::Ok;
    return scripted->answer == Prompts::Answer::Yes ? Prompts::Answer::Yes : Prompts::Answer::No;
}

std::optional<QString> ScriptedPrompts::input(const Prompts::InputRequest& request)
{
    Call call;
    call.kind = Kind::Input;
    call.text = request.prompt;
    call.title = request.title;
    call.defaultText = request.defaultText;
    m_calls.append(call);
    const Scripted* scripted = take(request.prompt);
    if (!scripted || scripted->cancelled)
        return std::nullopt;
    return scripted->textAnswer;
}

QString ScriptedPrompts::file(const Prompts::FileRequest& request)
{
    Call call;
    call.kind = Kind::File;
    call.text = request.title;
    call.title = request.title;
    call.filter = request.filter;
    call.startFolder = request.startFolder;
    call.fileMode = request.mode;
    m_calls.append(call);
    const Scripted* scripted = take(request.title);
    return scripted ? scripted->textAnswer : QString();
}
