#pragma once
// Servidor HTTP mínimo em 127.0.0.1 para testar as consultas web sem sair da máquina.
// Responde por caminho com status e corpo combinados; pode atrasar a resposta (tempo limite)
// ou fechar a conexão sem responder. Caminho sem resposta combinada: 404.
#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QVector>

class QTcpSocket;

class TServidorHttpTeste : public QObject
{
    Q_OBJECT
public:
    struct Resposta
    {
        int status = 200;
        QByteArray corpo;
        QByteArray tipo = "application/json; charset=utf-8";
        int atrasoMs = 0;    // espera antes de responder
        bool fechar = false; // fecha a conexão sem responder
    };
    struct Pedido
    {
        QByteArray metodo;
        QString caminho;                          // como veio na linha do pedido (com %xx)
        QHash<QByteArray, QByteArray> cabecalhos; // nomes em minúsculas
    };

    // Já escutando numa porta livre de 127.0.0.1.
    explicit TServidorHttpTeste(QObject* pai = nullptr);
    ~TServidorHttpTeste() override;

    quint16 porta() const { return m_servidor.serverPort(); }
    // "http://127.0.0.1:<porta>" + caminho
    QString endereco(const QString& caminho = QString()) const;

    void responder(const QString& caminho, const Resposta& resposta) { m_respostas.insert(caminho, resposta); }
    void responder(const QString& caminho, int status, const QByteArray& corpo, int atrasoMs = 0);
    void fecharSemResponder(const QString& caminho);
    // Para de aceitar conexões: quem se conectar depois é recusado.
    void parar() { m_servidor.close(); }

    const QVector<Pedido>& pedidos() const { return m_pedidos; }

    // Uma porta de 127.0.0.1 onde ninguém escuta (conexão recusada).
    static quint16 portaSemServidor();

private:
    void novaConexao();
    void lerPedido(QTcpSocket* socket);
    void enviar(QTcpSocket* socket, const Resposta& resposta);

    QTcpServer m_servidor;
    QHash<QString, Resposta> m_respostas;
    QVector<Pedido> m_pedidos;
    QHash<QTcpSocket*, QByteArray> m_recebido;
};
