#include "core/u_Dataset.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "core/u_ModuloDados.h"
#include "core/u_Valores.h"

TDataset::TDataset(const QString& nome, QObject* parent) : QSqlQueryModel(parent), m_nome(nome)
{
}

void TDataset::setSQL(const QStringList& linhas)
{
    m_linhas = linhas;
    m_parametros.clear();
}

void TDataset::setParametro(const QString& nome, const QVariant& valor)
{
    const QString chave = nome.startsWith(QLatin1Char(':')) ? nome : QLatin1Char(':') + nome;
    for (auto& p : m_parametros) {
        if (p.first.compare(chave, Qt::CaseInsensitive) == 0) {
            p.second = valor;
            return;
        }
    }
    m_parametros.append({chave, valor});
}

void TDataset::abrir()
{
    QSqlQuery consulta(ModuloDados->ConexaoFD());
    if (!consulta.prepare(m_linhas.join(QLatin1Char('\n'))))
        throw EErroBanco(consulta.lastError().text().toStdString());
    for (const auto& p : m_parametros)
        consulta.bindValue(p.first, p.second);
    if (!consulta.exec())
        throw EErroBanco(consulta.lastError().text().toStdString());
    setQuery(std::move(consulta));
    if (lastError().isValid())
        throw EErroBanco(lastError().text().toStdString());
    m_ativo = true;
    m_linhaAtual = -1;
    emit abriu();
    irPara(rowCount() > 0 ? 0 : -1);
}

void TDataset::fechar()
{
    const bool tinhaLinha = m_linhaAtual != -1;
    clear();
    m_ativo = false;
    m_linhaAtual = -1;
    emit fechou();
    if (tinhaLinha)
        emit linhaAtualMudou(-1);
}

int TDataset::registros()
{
    while (canFetchMore())
        fetchMore();
    return rowCount();
}

void TDataset::irPara(int linha)
{
    if (linha < -1 || linha >= rowCount())
        linha = rowCount() > 0 ? rowCount() - 1 : -1;
    if (linha == m_linhaAtual)
        return;
    m_linhaAtual = linha;
    emit linhaAtualMudou(linha);
}

bool TDataset::proximo()
{
    if (m_linhaAtual + 1 >= rowCount() && canFetchMore())
        fetchMore();
    if (m_linhaAtual + 1 >= rowCount())
        return false;
    irPara(m_linhaAtual + 1);
    return true;
}

int TDataset::colunaDe(const QString& nomeCampo) const
{
    return record().indexOf(nomeCampo);
}

QVariant TDataset::campo(const QString& nomeCampo) const
{
    return valor(m_linhaAtual, nomeCampo);
}

QVariant TDataset::valor(int linha, const QString& nomeCampo) const
{
    if (linha < 0 || linha >= rowCount())
        return QVariant();
    const int coluna = colunaDe(nomeCampo);
    if (coluna < 0)
        return QVariant();
    return QSqlQueryModel::data(index(linha, coluna), Qt::EditRole);
}

bool TDataset::localizar(const QString& nomeCampo, const QVariant& procurado, bool prefixo)
{
    const int coluna = colunaDe(nomeCampo);
    if (coluna < 0)
        return false;
    const QString alvo = procurado.toString();
    for (int linha = 0;; ++linha) {
        if (linha >= rowCount()) {
            if (!canFetchMore())
                return false;
            fetchMore();
            if (linha >= rowCount())
                return false;
        }
        const QVariant v = QSqlQueryModel::data(index(linha, coluna), Qt::EditRole);
        const bool achou = prefixo ? v.toString().startsWith(alvo, Qt::CaseInsensitive) : v == procurado ||
                                                                                            v.toString() == alvo;
        if (achou) {
            irPara(linha);
            return true;
        }
    }
}

void TDataset::definirTitulo(const QString& nomeCampo, const QString& titulo)
{
    m_titulos.insert(nomeCampo.toUpper(), titulo);
}

QVariant TDataset::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        const auto it = m_titulos.constFind(record().fieldName(section).toUpper());
        if (it != m_titulos.constEnd())
            return *it;
    }
    return QSqlQueryModel::headerData(section, orientation, role);
}

QVariant TDataset::data(const QModelIndex& item, int role) const
{
    const QVariant v = QSqlQueryModel::data(item, role == Qt::DisplayRole ? Qt::EditRole : role);
    if (role != Qt::DisplayRole || v.isNull())
        return role == Qt::DisplayRole && v.isNull() ? QVariant(QString()) : v;
    // datas e valores aparecem nas grades como o resto do programa os mostra
    switch (v.metaType().id()) {
    case QMetaType::QDate:
        return TextoDeData(v.toDate());
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm"));
    case QMetaType::Double:
        return FormatarValor(v.toDouble());
    default:
        return v;
    }
}

void TDataset::vincular(QAbstractItemView* grade)
{
    grade->setModel(this);
    auto sincronizarGrade = [this, grade](int linha) {
        if (grade->model() != this)
            return;
        const QModelIndex atual = grade->currentIndex();
        if (linha < 0) {
            grade->selectionModel()->clearCurrentIndex();
            return;
        }
        if (!atual.isValid() || atual.row() != linha)
            grade->setCurrentIndex(index(linha, atual.isValid() ? atual.column() : 0));
    };
    connect(this, &TDataset::linhaAtualMudou, grade, sincronizarGrade);
    connect(this, &QAbstractItemModel::modelReset, grade, [this, sincronizarGrade] { sincronizarGrade(m_linhaAtual); });
    connect(grade->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& atual) {
                if (atual.isValid())
                    irPara(atual.row());
            });
    sincronizarGrade(m_linhaAtual);
}

void TDataset::vincular(QComboBox* lista, const QString& campoMostrado)
{
    lista->setModel(this);
    auto ajustarColuna = [this, lista, campoMostrado] {
        const int coluna = colunaDe(campoMostrado);
        if (coluna >= 0)
            lista->setModelColumn(coluna);
        lista->setCurrentIndex(m_linhaAtual);
    };
    ajustarColuna();
    connect(this, &QAbstractItemModel::modelReset, lista, ajustarColuna);
    connect(this, &TDataset::linhaAtualMudou, lista, [lista](int linha) {
        if (lista->currentIndex() != linha)
            lista->setCurrentIndex(linha);
    });
    connect(lista, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int linha) {
        if (linha >= 0)
            irPara(linha);
    });
}
