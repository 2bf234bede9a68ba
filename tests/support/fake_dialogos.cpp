#include "support/fake_dialogos.h"

#include <QCoreApplication>

static QString nomeIcone(TIcone icone)
{
    switch (icone) {
    case TIcone::Informacao:
        return QStringLiteral("informacao");
    case TIcone::Aviso:
        return QStringLiteral("aviso");
    case TIcone::Erro:
        return QStringLiteral("erro");
    case TIcone::Pergunta:
        return QStringLiteral("pergunta");
    case TIcone::Nenhum:
        break;
    }
    return QStringLiteral("nenhum");
}

void FakeDialogos::mensagem(const QString& texto, const QString& titulo, TIcone icone)
{
    m_mostrados.append({QStringLiteral("mensagem"), titulo, texto});
    m_icones << nomeIcone(icone);
}

bool FakeDialogos::pergunta(const QString& texto, const QString& titulo, bool simPadrao)
{
    m_mostrados.append({QStringLiteral("pergunta"), titulo, texto});
    if (m_respostas.isEmpty()) {
        m_inesperados << QStringLiteral("pergunta: ") + texto;
        return simPadrao;
    }
    return m_respostas.dequeue();
}

bool FakeDialogos::entrada(const QString& titulo, const QString& rotulo, QString& valor)
{
    m_mostrados.append({QStringLiteral("entrada"), titulo, rotulo});
    if (m_entradas.isEmpty()) {
        m_inesperados << QStringLiteral("entrada: ") + rotulo;
        return false;
    }
    const std::optional<QString> texto = m_entradas.dequeue();
    if (!texto)
        return false;
    valor = *texto;
    return true;
}

QString FakeDialogos::escolherArquivo(const QString& titulo, const QString&, const QString&)
{
    m_mostrados.append({QStringLiteral("arquivo"), titulo, QString()});
    if (m_arquivos.isEmpty()) {
        m_inesperados << QStringLiteral("arquivo: ") + titulo;
        return QString();
    }
    return m_arquivos.dequeue();
}

int FakeDialogos::executarModal(QDialog* janela)
{
    m_mostrados.append({QStringLiteral("janela"), janela->windowTitle(), janela->objectName()});
    if (m_janelas.isEmpty())
        return QDialog::Rejected;
    auto acao = m_janelas.dequeue();
    janela->show();
    QCoreApplication::processEvents();
    const int resultado = acao(janela);
    janela->hide();
    return resultado;
}

QStringList FakeDialogos::textos() const
{
    QStringList lista;
    for (const auto& d : m_mostrados)
        if (d.tipo == QLatin1String("mensagem") || d.tipo == QLatin1String("pergunta"))
            lista << d.texto;
    return lista;
}

QStringList FakeDialogos::mensagens() const
{
    QStringList lista;
    for (const auto& d : m_mostrados)
        if (d.tipo == QLatin1String("mensagem"))
            lista << d.texto;
    return lista;
}

QString FakeDialogos::ultimaMensagem() const
{
    const QStringList lista = mensagens();
    return lista.isEmpty() ? QString() : lista.last();
}

QStringList FakeDialogos::janelasAbertas() const
{
    QStringList lista;
    for (const auto& d : m_mostrados)
        if (d.tipo == QLatin1String("janela"))
            lista << d.texto;
    return lista;
}

void FakeDialogos::limpar()
{
    m_mostrados.clear();
    m_icones.clear();
    m_inesperados.clear();
}

QStringList FakeDialogos::pendencias() const
{
    QStringList lista = m_inesperados;
    if (!m_respostas.isEmpty())
        lista << QStringLiteral("%1 resposta(s) de pergunta não usada(s)").arg(m_respostas.size());
    if (!m_entradas.isEmpty())
        lista << QStringLiteral("%1 entrada(s) não usada(s)").arg(m_entradas.size());
    if (!m_arquivos.isEmpty())
        lista << QStringLiteral("%1 arquivo(s) não usado(s)").arg(m_arquivos.size());
    if (!m_janelas.isEmpty())
        lista << QStringLiteral("%1 janela(s) esperada(s) não aberta(s)").arg(m_janelas.size());
    return lista;
}
