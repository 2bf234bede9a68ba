#pragma once
// Caixa de pesquisa sobre um dataset: o usuário digita e a caixa procura a primeira linha que
// começa pelo texto (e completa o resto); F4 ou o botão abrem um diálogo que lista o dataset com
// uma busca. A linha escolhida vira a linha atual do dataset (é assim que a escolha chega a quem
// acompanha o dataset, como vp_cdcidade e vCDCONTROLE_CLIENTE).
#include <QPair>
#include <QString>
#include <QVector>
#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;
class TDataset;

class TCaixaPesquisa : public QWidget
{
    Q_OBJECT
public:
    explicit TCaixaPesquisa(QWidget* pai = nullptr);

    // 'campoMostrado' aparece na caixa e é o campo da busca por digitação.
    void vincular(TDataset* dataset, const QString& campoMostrado);
    // Título do diálogo e suas colunas (campo, título), na ordem em que aparecem.
    void definirPesquisa(const QString& titulo, const QVector<QPair<QString, QString>>& colunas);
    // Como abrir o dataset quando está fechado e o usuário digita ou pede o diálogo (padrão: abrir()).
    void definirAbertura(std::function<void()> abrir) { m_abrir = std::move(abrir); }
    void setMaiusculas(bool maiusculas);
    // Botão a mais no diálogo (por exemplo "Novo Cliente"); 'acao' roda com o diálogo aberto, que
    // continua mostrando o dataset.
    void definirBotaoExtra(const QString& texto, std::function<void()> acao);

    QString texto() const;
    void setTexto(const QString& texto);
    void limpar();
    QLineEdit* editor() const { return m_editor; }
    QToolButton* botao() const { return m_botao; }
    TDataset* dataset() const { return m_dataset; }

    // Abre o diálogo; true quando o usuário escolheu uma linha (Cancelar volta à linha de antes).
    bool pesquisar();

signals:
    // O usuário escolheu uma linha (pela digitação ou pelo diálogo).
    void escolheu();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void digitado(const QString& texto);
    bool garantirAberto();

    QLineEdit* m_editor = nullptr;
    QToolButton* m_botao = nullptr;
    TDataset* m_dataset = nullptr;
    QString m_campo;
    QString m_titulo;
    QVector<QPair<QString, QString>> m_colunas;
    std::function<void()> m_abrir;
    QString m_textoExtra;
    std::function<void()> m_acaoExtra;
    QString m_anterior;
};
