#include "support/servidor_http_teste.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

static QByteArray frase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 429:
        return "Too Many Requests";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

TServidorHttpTeste::TServidorHttpTeste(QObject* pai) : QObject(pai)
{
    connect(&m_servidor, &QTcpServer::newConnection, this, &TServidorHttpTeste::novaConexao);
    if (!m_servidor.listen(QHostAddress::LocalHost, 0))
        qFatal("servidor de teste não escutou: %s", qPrintable(m_servidor.errorString()));
}

TServidorHttpTeste::~TServidorHttpTeste()
{
    // as conexões abertas avisam ao fechar: que não achem este objeto pela metade
    const auto conexoes = m_servidor.findChildren<QTcpSocket*>();
    for (QTcpSocket* socket : conexoes) {
        socket->disconnect(this);
        delete socket;
    }
}

QString TServidorHttpTeste::endereco(const QString& caminho) const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(porta()) + caminho;
}

void TServidorHttpTeste::responder(const QString& caminho, int status, const QByteArray& corpo, int atrasoMs)
{
    Resposta r;
    r.status = status;
    r.corpo = corpo;
    r.atrasoMs = atrasoMs;
    responder(caminho, r);
}

void TServidorHttpTeste::fecharSemResponder(const QString& caminho)
{
    Resposta r;
    r.fechar = true;
    responder(caminho, r);
}

quint16 TServidorHttpTeste::portaSemServidor()
{
    QTcpServer livre;
    livre.listen(QHostAddress::LocalHost, 0);
    const quint16 porta = livre.serverPort();
    livre.close();
    return porta;
}

void TServidorHttpTeste::novaConexao()
{
    while (QTcpSocket* socket = m_servidor.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { lerPedido(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_recebido.remove(socket);
            socket->deleteLater();
        });
    }
}

void TServidorHttpTeste::lerPedido(QTcpSocket* socket)
{
    QByteArray& dados = m_recebido[socket];
    dados += socket->readAll();
    const int fim = dados.indexOf("\r\n\r\n");
    if (fim < 0)
        return;
    const QList<QByteArray> linhas = dados.left(fim).split('\n');
    dados.clear();
    Pedido pedido;
    const QList<QByteArray> partes = linhas.value(0).trimmed().split(' ');
    pedido.metodo = partes.value(0);
    pedido.caminho = QString::fromLatin1(partes.value(1));
    for (int i = 1; i < linhas.size(); ++i) {
        const int dois = linhas[i].indexOf(':');
        if (dois > 0)
            pedido.cabecalhos.insert(linhas[i].left(dois).trimmed().toLower(), linhas[i].mid(dois + 1).trimmed());
    }
    m_pedidos.append(pedido);

    Resposta resposta;
    const auto it = m_respostas.constFind(pedido.caminho);
    if (it != m_respostas.constEnd())
        resposta = *it;
    else {
        resposta.status = 404;
        resposta.corpo = "{}";
    }
    if (resposta.fechar) {
        socket->abort();
        return;
    }
    if (resposta.atrasoMs <= 0) {
        enviar(socket, resposta);
        return;
    }
    QPointer<QTcpSocket> guardado(socket);
    QTimer::singleShot(resposta.atrasoMs, this, [this, guardado, resposta] {
        if (guardado && guardado->state() == QAbstractSocket::ConnectedState)
            enviar(guardado, resposta);
    });
}

void TServidorHttpTeste::enviar(QTcpSocket* socket, const Resposta& resposta)
{
    QByteArray saida = "HTTP/1.1 " + QByteArray::number(resposta.status) + ' ' + frase(resposta.status) + "\r\n";
    saida += "Content-Type: " + resposta.tipo + "\r\n";
    saida += "Content-Length: " + QByteArray::number(resposta.corpo.size()) + "\r\n";
    saida += "Connection: close\r\n\r\n";
    saida += resposta.corpo;
    socket->write(saida);
    socket->disconnectFromHost();
}
