#pragma once
// O módulo de dados: a única conexão, todas as operações de dados (agrupadas por subsistema,
// implementadas na pasta de cada um: customers/dm_Clientes.cpp, ...), as consultas
// dedicadas e os campos de passagem entre as telas.
#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <stdexcept>

#include "core/u_Dataset.h"

// Erro vindo do banco; what() traz o texto do próprio cliente do banco.
struct EErroBanco : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Parâmetros por nome, na ordem em que aparecem. O tipo vem do QVariant:
// QString texto, int inteiro, double dinheiro/quantidade, QDate data, QDateTime data-hora,
// QByteArray blob. Nulo tipado: Nulo<QString>(), Nulo<QDate>(), ...
using TParametros = QVector<QPair<QString, QVariant>>;
template <typename T> QVariant Nulo() { return QVariant(QMetaType::fromType<T>()); }

//==================================================================================================
// Tipos de registro (leitura de uma linha; código que não existe dá textos vazios e zeros)
//==================================================================================================

// --- clientes ---
// --- ordens de serviço ---
// --- vendas ---
// --- estoque ---
// --- compras (fornecedores, pedidos) ---
// --- empresa ---

class TModuloDados : public QObject
{
    Q_OBJECT
public:
    // Cria o módulo e roda DataModuleCreate. Veja ok().
    explicit TModuloDados(QObject* parent = nullptr);
    ~TModuloDados() override;

    // false quando DataModuleCreate mostrou uma das suas mensagens: o programa deve terminar.
    bool ok() const { return m_ok; }

    //----------------------------------------------------------------------------------------------
    // Conexão e convenções de acesso
    //----------------------------------------------------------------------------------------------
    bool DataModuleCreate();
    QSqlDatabase ConexaoFD() const;
    QString PegaONomedoComputador() const;
    void Setaraparencia(); // implementada em mainwin/dm_Aparencia.cpp

    // A escrita: junta as linhas, liga os parâmetros por nome, executa numa transação e confere o
    // commit; qualquer falha desfaz a transação e lança EErroBanco. Dentro de EmTransacao, junta-se
    // à transação dela.
    void Executar(const QStringList& linhas, const TParametros& parametros = {});
    // Várias escritas numa só transação: tudo ou nada.
    void EmTransacao(const std::function<void()>& trabalho);
    bool EmTransacao() const { return m_profundidadeTransacao > 0; }

    // A leitura (Qry_Pesq): primeira linha como registro (vazio se não houver linha).
    QSqlRecord LerRegistro(const QStringList& linhas, const TParametros& parametros = {});
    // Primeira coluna da primeira linha (QVariant inválido se não houver linha).
    QVariant LerValor(const QStringList& linhas, const TParametros& parametros = {});
    // Todas as linhas.
    QVector<QSqlRecord> LerRegistros(const QStringList& linhas, const TParametros& parametros = {});

    static bool ContemApenasNumeros(const QString& texto);

    //----------------------------------------------------------------------------------------------
    // Consultas dedicadas (os Ds_ do original são os próprios datasets)
    //----------------------------------------------------------------------------------------------
    TDataset* Qry_Cidades = nullptr;
    TDataset* Qry_Clientes = nullptr;
    TDataset* Qry_Marcas = nullptr;
    TDataset* Qry_Servicos = nullptr;
    TDataset* Qry_Servicos_OS = nullptr;
    TDataset* Qry_Impressao_OS = nullptr;
    TDataset* Qry_Estoque = nullptr;
    TDataset* Qry_Itens_Venda = nullptr;
    TDataset* Qry_Impressao_Vendas = nullptr;
    TDataset* Qry_Fechamento_de_Ordem_de_Servico = nullptr;
    TDataset* Qry_Fechamento_de_Ordem_de_Servico_DEVOLVIDAS = nullptr;
    TDataset* Qry_Relatorio_Vendas = nullptr;
    TDataset* Qry_Usuarios = nullptr;
    TDataset* qry_Contas = nullptr;
    TDataset* Qry_CheckList = nullptr;
    TDataset* Qry_CheckLista_Entrada_OS = nullptr;
    TDataset* Qry_fornecedores = nullptr;

    //----------------------------------------------------------------------------------------------
    // Campos de passagem entre telas
    //----------------------------------------------------------------------------------------------
    QString vp_caminho_aplicacao;
    QString vp_conexao_estabelecida;
    QString vp_Modulo;
    QString vp_Preview_Venda;
    QString vAparencia;
    QString vp_usuario_conectado;
    int vp_cdusuario_conectado = 0;
    int vCDCONTROLE_CLIENTE = 0;
    int vp_cdcidade = 0;
    QString vCidade;
    QString vUF;
    int vNROS = 0;
    QString vServicoSelecionado;
    QString vValorServicoSelecionado;
    int vCdProdutoSelecionado = 0;
    int vCDCONTROLE_PEDIDO_DE_COMPRA = 0;
    int vp_CDFORNECEDOR = 0;
    int vp_cdproduto = 0;
    QDate vp_Data_inicio;
    QDate vp_Data_Fim;
    double vQtdeAlteradanaVenda = 0;
    double vValoralteradonaVenda = 0;

    //==============================================================================================
    // Operações por subsistema (cada bloco implementado na pasta do subsistema)
    //==============================================================================================

    // --- acesso (access/dm_Acesso.cpp) ---

    // --- clientes e cidades (customers/dm_Clientes.cpp) ---

    // --- ordens de serviço (serviceorders/dm_OrdemServico.cpp) ---

    // --- vendas (sales/dm_Vendas.cpp) ---

    // --- estoque (stock/dm_Estoque.cpp) ---

    // --- compras: fornecedores e pedidos (purchasing/dm_Compras.cpp) ---

    // --- empresa (company/dm_Empresa.cpp) ---

    // --- impressão (printing/dm_Impressao.cpp) ---

private:
    QSqlQuery prepararConsulta(const QStringList& linhas, const TParametros& parametros);
    TDataset* novoDataset(const QString& nome, const QStringList& linhas);

    bool m_ok = false;
    int m_profundidadeTransacao = 0;
    QString m_nomeConexao;
};

extern TModuloDados* ModuloDados;
