#pragma once
// Consulta com cara de dataset: linhas de SQL, parâmetros por nome, abrir/fechar,
// linha atual e aviso quando ela muda. As grades e listas de pesquisa se ligam a ela.
#include <QHash>
#include <QSqlQueryModel>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QAbstractItemView;
class QComboBox;

class TDataset : public QSqlQueryModel
{
    Q_OBJECT
public:
    TDataset(const QString& nome, QObject* parent = nullptr);

    QString nome() const { return m_nome; }

    // Texto do comando, linha a linha (como no projeto original: SQL.Clear / SQL.Add).
    void setSQL(const QStringList& linhas);
    QStringList sql() const { return m_linhas; }
    void setParametro(const QString& nome, const QVariant& valor);
    void limparParametros() { m_parametros.clear(); }

    // Abre com o SQL e os parâmetros atuais; erro do banco vira EErroBanco.
    void abrir();
    // Fecha e esvazia todas as grades ligadas.
    void fechar();
    bool ativo() const { return m_ativo; }

    // Busca todas as linhas do resultado e devolve quantas são.
    int registros();
    bool vazio() const { return rowCount() == 0; }

    int linhaAtual() const { return m_linhaAtual; }
    // Muda a linha atual (-1 = nenhuma) e avisa os interessados.
    void irPara(int linha);
    void primeiro() { irPara(rowCount() > 0 ? 0 : -1); }
    bool proximo();

    // Valor de um campo na linha atual (inválido quando não há linha atual).
    QVariant campo(const QString& nomeCampo) const;
    QVariant valor(int linha, const QString& nomeCampo) const;
    int colunaDe(const QString& nomeCampo) const;

    // Procura a primeira linha em que o campo é igual ao valor, ou começa por ele (prefixo, sem
    // diferenciar maiúsculas); torna-a a atual. false se não achou.
    bool localizar(const QString& nomeCampo, const QVariant& valor, bool prefixo = false);

    // Título de coluna mostrado nas grades, por nome de campo; sobrevive a reaberturas.
    void definirTitulo(const QString& nomeCampo, const QString& titulo);
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex& item, int role = Qt::DisplayRole) const override;

    // Liga uma grade ou lista: mostra o dataset e acompanha a linha atual nos dois sentidos.
    void vincular(QAbstractItemView* grade);
    void vincular(QComboBox* lista, const QString& campoMostrado);

signals:
    void linhaAtualMudou(int linha);
    void abriu();
    void fechou();

private:
    QString m_nome;
    QStringList m_linhas;
    QVector<QPair<QString, QVariant>> m_parametros;
    QHash<QString, QString> m_titulos;
    bool m_ativo = false;
    int m_linhaAtual = -1;
};
