#include "customers/u_ConsultasWeb.h"

#include <QApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "core/u_ArquivoIni.h"
#include "core/u_Dialogos.h"
#include "core/u_Relogio.h"
#include "util/u_alicerce_com.h"

namespace {

int g_tempoLimite = 10000;

QString enderecoBase(const QString& chave, const QString& padrao)
{
    QString base =
        TArquivoIni(PastaAplicacao() + QStringLiteral("Config.ini")).ler(QStringLiteral("WEBSERVICES"), chave, padrao);
    base = base.trimmed();
    if (base.isEmpty())
        base = padrao;
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base;
}

QString textoDoTempo(int ms)
{
    return ms % 1000 == 0 ? QStringLiteral("%1 segundos").arg(ms / 1000) : QStringLiteral("%1 ms").arg(ms);
}

QString motivoDaFalha(QNetworkReply::NetworkError erro, const QString& textoQt)
{
    switch (erro) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("a conexão foi recusada pelo servidor");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("o servidor fechou a conexão sem responder");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("o endereço do serviço não foi encontrado (verifique a conexão com a internet)");
    case QNetworkReply::TimeoutError:
        return QStringLiteral("o servidor não respondeu");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("falha na conexão segura (TLS): ") + textoQt;
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return QStringLiteral("sem conexão de rede");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QStringLiteral("falha no proxy da rede: ") + textoQt;
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::ProtocolInvalidOperationError:
        return QStringLiteral("endereço do serviço inválido em Config.ini: ") + textoQt;
    default:
        return QStringLiteral("falha de rede: ") + textoQt;
    }
}

QString textoDoMembro(const QJsonValue& valor)
{
    switch (valor.type()) {
    case QJsonValue::String:
        return valor.toString();
    case QJsonValue::Double:
        return valor.toVariant().toString();
    case QJsonValue::Bool:
        return valor.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Array:
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument::fromVariant(valor.toVariant()).toJson(QJsonDocument::Compact));
    default:
        return QString();
    }
}

// Cursor de espera enquanto a consulta roda; volta ao normal em qualquer saída.
struct TCursorDeEspera
{
    TCursorDeEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TCursorDeEspera() { QApplication::restoreOverrideCursor(); }
};

TRespostaConsulta consultar(const QString& servico, const QString& endereco)
{
    TRespostaConsulta resposta;
    resposta.servico = servico;

    QNetworkRequest pedido{QUrl(endereco)};
    pedido.setRawHeader("Accept", "application/json, text/plain; q=0.9, text/html;q=0.8,");
    pedido.setRawHeader("Accept-Charset", "utf-8, *;q=0.8");

    TCursorDeEspera cursor;
    QNetworkAccessManager rede;
    QNetworkReply* retorno = rede.get(pedido);
    QEventLoop espera;
    QTimer relogio;
    relogio.setSingleShot(true);
    bool esgotou = false;
    QObject::connect(retorno, &QNetworkReply::finished, &espera, &QEventLoop::quit);
    QObject::connect(&relogio, &QTimer::timeout, &espera, [&] {
        esgotou = true;
        retorno->abort();
    });
    relogio.start(g_tempoLimite);
    // a janela fica parada até a resposta: nada de cliques ou teclas no meio da consulta
    if (!retorno->isFinished())
        espera.exec(QEventLoop::ExcludeUserInputEvents);
    relogio.stop();

    const QVariant status = retorno->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QByteArray corpo = esgotou ? QByteArray() : retorno->readAll();
    const QNetworkReply::NetworkError erro = retorno->error();
    const QString textoQt = retorno->errorString();
    retorno->deleteLater();

    if (esgotou) {
        resposta.falha = QStringLiteral("o serviço não respondeu em ") + textoDoTempo(g_tempoLimite);
        return resposta;
    }
    if (!status.isValid()) {
        resposta.falha = motivoDaFalha(erro, textoQt);
        return resposta;
    }
    resposta.status = status.toInt();
    if (resposta.status != 200) {
        resposta.situacao = TSituacaoConsulta::SemResposta;
        return resposta;
    }

    QJsonParseError problema{};
    const QJsonDocument documento = QJsonDocument::fromJson(corpo, &problema);
    if (problema.error != QJsonParseError::NoError || !documento.isObject()) {
        resposta.falha = QStringLiteral("a resposta do serviço não pôde ser lida");
        return resposta;
    }
    const QJsonObject objeto = documento.object();
    for (auto it = objeto.constBegin(); it != objeto.constEnd(); ++it)
        resposta.membros.insert(it.key().toUpper(), textoDoMembro(it.value()));

    // "não existe" vem como o membro erro (CEP) ou status ERROR (CNPJ); procurar "erro" no texto
    // todo daria "não encontrado" para endereços como "Serro" ou "Rua do Ferro"
    const QJsonValue membroErro = objeto.value(QStringLiteral("erro"));
    const bool temErro = !membroErro.isUndefined() && membroErro != QJsonValue(false) &&
                         membroErro != QJsonValue(QStringLiteral("false"));
    const bool statusErro =
        servico == QLatin1String("CNPJ") &&
        objeto.value(QStringLiteral("status")).toString().compare(QLatin1String("ERROR"), Qt::CaseInsensitive) == 0;
    resposta.situacao = temErro || statusErro ? TSituacaoConsulta::NaoEncontrado : TSituacaoConsulta::Encontrado;
    return resposta;
}

QString codificar(const QString& texto)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(texto));
}

} // namespace

QString TRespostaConsulta::membro(const QString& nome) const
{
    return membros.value(nome.toUpper());
}

QString LimparCNPJ(const QString& cnpj)
{
    return TirarBarraValor(TirarTracoValor(TirarPontoValor(cnpj)));
}

TRespostaConsulta ConsultarCEP(const QString& cep)
{
    return consultar(QStringLiteral("CEP"),
                     enderecoBase(QStringLiteral("CEP"), QStringLiteral("https://viacep.com.br/ws/")) + codificar(cep) +
                         QStringLiteral("/json"));
}

TRespostaConsulta ConsultarCNPJ(const QString& cnpj)
{
    return consultar(QStringLiteral("CNPJ"),
                     enderecoBase(QStringLiteral("CNPJ"), QStringLiteral("https://receitaws.com.br/v1/cnpj/")) +
                         codificar(LimparCNPJ(cnpj)));
}

bool AvisarResultadoConsulta(const TRespostaConsulta& resposta)
{
    switch (resposta.situacao) {
    case TSituacaoConsulta::Encontrado:
        return true;
    case TSituacaoConsulta::NaoEncontrado:
        Dialogos().mensagem(resposta.servico + QStringLiteral(" não encontrado"));
        return false;
    case TSituacaoConsulta::SemResposta:
        return false;
    case TSituacaoConsulta::Falhou:
        Dialogos().mensagem(QStringLiteral("Atenção\nNão foi possível consultar o ") + resposta.servico +
                                QStringLiteral(": ") + resposta.falha + QLatin1Char('.'),
                            QString(), TIcone::Aviso);
        return false;
    }
    return false;
}

QString EnderecoDoCEP(const TRespostaConsulta& resposta)
{
    return resposta.membro(QStringLiteral("LOGRADOURO")) + QStringLiteral(" - ") +
           resposta.membro(QStringLiteral("COMPLEMENTO"));
}

QString EnderecoDoCNPJ(const TRespostaConsulta& resposta)
{
    return resposta.membro(QStringLiteral("LOGRADOURO")) + QStringLiteral(" , ") +
           resposta.membro(QStringLiteral("NUMERO"));
}

QString CEPDoCNPJ(const TRespostaConsulta& resposta)
{
    return TirarPontoValor(TirarTracoValor(resposta.membro(QStringLiteral("CEP"))));
}

QString TelefoneDoCNPJ(const TRespostaConsulta& resposta)
{
    // o serviço pode mandar dois telefones separados por "/": fica o primeiro
    const QString primeiro = resposta.membro(QStringLiteral("TELEFONE")).section(QLatin1Char('/'), 0, 0);
    QString digitos;
    for (const QChar c : primeiro)
        if (c.isDigit())
            digitos += c;
    return digitos;
}

void DefinirTempoLimiteConsultas(int milissegundos)
{
    g_tempoLimite = milissegundos > 0 ? milissegundos : 10000;
}

int TempoLimiteConsultas()
{
    return g_tempoLimite;
}
