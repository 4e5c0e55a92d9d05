#include "ScriptedPrompts.h"

#include <QPrinter>
#include <QTest>

ScriptedPrompts::Expectation& ScriptedPrompts::expect(const QString& text)
{
    m_script.append(Expectation());
    m_script.last().m_text = text;
    return m_script.last();
}

const ScriptedPrompts::Expectation* ScriptedPrompts::take(const Call& call)
{
    m_calls.append(call);
    if (m_next < m_script.size() && m_script[m_next].m_text == call.text)
        return &m_script[m_next++];
    const QString expected = m_next < m_script.size() ? m_script[m_next].m_text : QStringLiteral("(nothing)");
    m_unexpected.append(call.text);
    const QByteArray reason
        = QStringLiteral("Unexpected prompt \"%1\"; expected \"%2\"").arg(call.text, expected).toUtf8();
    QTest::qFail(reason.constData(), __FILE__, __LINE__);
    return nullptr;
}

Prompts::Answer ScriptedPrompts::message(const Prompts::MessageRequest& request)
{
    Call call { request.text, request.defaultAnswer };
    const Expectation* scripted = take(call);
    if (request.buttons == Prompts::Buttons::Ok)
        return Prompts::Answer::Ok;
    if (!m_unexpected.isEmpty())
        return Prompts::Answer::Yes;
    if (scripted->m_answer == Prompts::Answer::Yes)
        return Prompts::Answer::Yes;
    // The third button answers only where it is shown.
    if ((scripted->m_answer == Prompts::Answer::Save && request.buttons == Prompts::Buttons::YesNoSave)
        || (scripted->m_answer == Prompts::Answer::SaveAs && request.buttons == Prompts::Buttons::YesNoSaveAs))
        return scripted->m_answer;
    // Escape keeps the work where Recover is offered.
    if (scripted->m_answer == Prompts::Answer::Cancel && request.buttons == Prompts::Buttons::RecoverDiscard)
        return Prompts::Answer::Yes;
    // Only a question with a Cancel button can answer Cancel (or Escape, scripted as Cancel).
    if (scripted->m_answer == Prompts::Answer::Cancel && request.buttons == Prompts::Buttons::YesNoCancel)
        return Prompts::Answer::Cancel;
    return Prompts::Answer::No;
}

std::optional<QString> ScriptedPrompts::input(const Prompts::InputRequest& request)
{
    Call call { request.prompt };
    call.defaultText = request.defaultText;
    const Expectation* scripted = take(call);
    return scripted ? scripted->m_textAnswer : std::nullopt;
}

QString ScriptedPrompts::file(const Prompts::FileRequest& request)
{
    Call call { request.title };
    call.filter = request.filter;
    call.startFolder = request.startFolder;
    const Expectation* scripted = take(call);
    return scripted ? scripted->m_textAnswer.value_or(QString()) : QString();
}

bool ScriptedPrompts::choosePrinter(QPrinter* printer)
{
    const Expectation* scripted = take({ QStringLiteral("Print") });
    const QString pdf = scripted ? scripted->m_textAnswer.value_or(QString()) : QString();
    if (pdf.isEmpty())
        return false;
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    return true;
}
