#pragma once
// Diálogos roteirizados: registram cada texto mostrado e respondem de filas.
// Pergunta, entrada ou escolha de arquivo sem resposta na fila conta como inesperada.
#include <QDialog>
#include <QQueue>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/u_Dialogos.h"

struct TDialogoMostrado
{
    QString tipo; // "mensagem", "pergunta", "entrada", "arquivo", "janela"
    QString titulo;
    QString texto;
};

class FakeDialogos : public IDialogos
{
public:
    void mensagem(const QString& texto, const QString& titulo, TIcone icone) override;
    bool pergunta(const QString& texto, const QString& titulo, bool simPadrao) override;
    bool entrada(const QString& titulo, const QString& rotulo, QString& valor) override;
    QString escolherArquivo(const QString& titulo, const QString& filtro, const QString& pasta) override;
    int executarModal(QDialog* janela) override;

    // Filas de respostas
    void responder(bool sim) { m_respostas.enqueue(sim); }
    void digitar(const QString& texto) { m_entradas.enqueue(texto); }
    void cancelarEntrada() { m_entradas.enqueue(std::nullopt); }
    void escolher(const QString& arquivo) { m_arquivos.enqueue(arquivo); }
    // Quando a próxima janela modal abrir, chama 'acao' com ela (a janela já visível) e usa o
    // resultado como o de exec(). Sem ação na fila, a janela fecha com Rejected.
    void aoAbrirJanela(std::function<int(QDialog*)> acao) { m_janelas.enqueue(std::move(acao)); }

    const QVector<TDialogoMostrado>& mostrados() const { return m_mostrados; }
    QStringList textos() const;              // textos de mensagens e perguntas, em ordem
    QStringList mensagens() const;           // só as mensagens
    QString ultimaMensagem() const;          // texto da última mensagem (vazio se nenhuma)
    QStringList icones() const { return m_icones; }
    QStringList janelasAbertas() const;      // objectName das janelas modais abertas
    void limpar();

    // Tudo o que foi roteirizado foi usado e nada inesperado apareceu.
    QStringList pendencias() const;
    QStringList inesperados() const { return m_inesperados; }

private:
    QVector<TDialogoMostrado> m_mostrados;
    QStringList m_icones;
    QQueue<bool> m_respostas;
    QQueue<std::optional<QString>> m_entradas;
    QQueue<QString> m_arquivos;
    QQueue<std::function<int(QDialog*)>> m_janelas;
    QStringList m_inesperados;
};
