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
// Um cliente (FCliente). CELULAR, CPF e RG como gravados, com a pontuação da máscara.
struct TCliente
{
    int var_CDCONTROLE = 0;
    QString var_NOME;
    QString var_ENDERECO;
    QString var_NUMERO;
    QString var_BAIRRO;
    int var_CDCIDADE = 0;
    QString var_CELULAR;
    QString var_CPF;
    QString var_RG;
    QString var_OBS;
};
// --- ordens de serviço ---
// Uma ordem de serviço (FOrdemServico). Datas como texto dd/MM/yyyy, vazio quando nulas.
struct TOrdemServico
{
    int fCDCONTROLE = 0;
    int fNROS = 0; // 0: não existe OS com o número pedido
    int fCDCLIENTE = 0;
    QString fDATAOS;
    QString fSTATUS;
    QString fTPAPARELHO; // "C" celular, "T" tablet
    QString fMARCA;
    QString fMODELO;
    QString fIMEI;
    QString fOBSERVACAO;
    // estado do aparelho na entrada: "S"/"N"
    QString fSEM_CHIP;
    QString fNAO_LIGA;
    QString fCARREGADOR;
    QString fSEM_TAMPA_BATERIA;
    QString fCARTAO_MEMORIA;
    QString fLENTE_RISCADA;
    QString fLENTE_TRINCADA;
    QString fDISPLAY_TRINCADO;
    QString fCARCACA_TRINCADA;
    QString fCARCACA_RISCADA;
    double fVALOR_TOTAL = 0;
    QString fRETORNO;
    QString fDATA_RETORNO;
    QString fDATA_FINALIZADO;
    QString fDATA_RETIRADA;
    QString fDATA_DEVOLUCAO;
    QString fDATA_PRAZO_RETIRAR;
    QString fDATA_PAGTO;
    QString fFORMA_PAGAMENTO;
    double fVALOR_PAGO = 0;
    double fVALOR_DEVOLVIDO = 0;
    QString fMOTIVO_RETORNO;
    QString fFUNCIONARIO;
    QString fHORA;
    QString fHORADEVOLUCAO;
    QByteArray fSIMBOLO_ACESSO; // não é lido por FOrdemServico: veja SimboloAcessoDaOS
    QString fSENHA;             // senha do aparelho, lida para que a alteração da OS a preserve
};
// --- vendas ---
// Uma venda (FVenda), pela chave CDCONTROLE; a data como texto dd/MM/yyyy.
struct TVenda
{
    int var_CDCONTROLE = 0;
    QString var_DATA_VENDA;
    QString var_CLIENTE;
    int var_CDCLIENTE = 0;
    QString var_FORMA_PAGAMENTO;
    double var_VALOR_DESCONTO = 0;
    QString var_NRVENDA;
    QString var_PAGO;
};
// --- estoque ---
// Um produto (FEstoque).
struct TEstoque
{
    int var_CDCONTROLE = 0;
    QString var_PRODUTO;
    QString var_UN;
    double var_QTDE_ATUAL = 0;
    double var_VALOR_VENDA = 0;
    double var_VALOR_CUSTO = 0; // custo médio mantido pela base a cada entrada
    QString var_REFERENCIA;
    QString var_CODBARRA;
    int var_CDFORNECEDOR_PADRAO = 0;
};
// --- compras (fornecedores, pedidos) ---
// Um fornecedor (Fornecedor).
struct TFornecedor
{
    int vCDCONTROLE = 0;
    QString vRAZAOSOCIAL;
    QString vENDERECO;
    QString vEMAIL;
    QString vCELULAR;
    QString vCEP;
    QString vCIDADE;
    QString vUF;
    QString vCNPJ;
    QString vIE;
};
// Um pedido de compra (FPedidoCompra). Pedido que não existe (ou cujo cliente sumiu): vazio.
struct TPedidoCompra
{
    int var_CDCONTROLE = 0;
    int var_CDCLIENTE = 0;
    QDate var_DATA_PEDIDO;
    QString var_MARCA;
    QString var_MODELO;
    QString var_MATERIALPEDIDO; // formato de u_MaterialPedido.h
    QString var_PEDIDOCOMPRADO;
    QString var_STATUS;
    QString var_NOMECLIENTE;
};
// --- empresa ---
// Os dados da loja (FEmpresa), a única linha de EMPRESA.
struct TEmpresa
{
    QString var_NOEMPRESA;
    QString var_Telefone;
    QString var_Endereco;
    QString var_Cidade;
    QString var_email;
    QString var_site;
    QString var_Bairro;
    QString var_LOGO; // caminho do arquivo da figura; a figura não vai para a base
    QString var_SUBtitulo;
    QString var_Frase;
    QString var_CNPJ;
    QString var_IE;
    QString var_UF;
    QString var_CEP;
};

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
    // Mostra a janela do administrador; true só quando a senha dela foi dada.
    bool PermissaoADMIN();
    // Reabre Qry_Usuarios: todos os logins em ordem alfabética, desativados inclusive.
    void AbrirUsuarios();
    bool UsuarioExiste(const QString& login);
    bool ExisteRegistrodeLancamentosdoUsuario(int cdUsuario);

    // --- janela principal e aparência (mainwin/dm_Aparencia.cpp) ---
    // Estilos desconhecidos já avisados neste módulo: o aviso sai uma vez, não a cada ativação.
    QStringList vEstilosJaAvisados;

    // --- clientes e cidades (customers/dm_Clientes.cpp) ---
    // Fecha e abre de novo a lista de cidades / a de clientes (a de clientes com o SQL e o
    // parâmetro que tinha: depois de uma busca, a mesma busca).
    void AbreCidades();
    void AbreClientes();
    // Qry_Clientes passa a ter os clientes cujo nome contém vNome (LIKE, diferencia a caixa).
    void BuscarCliente(const QString& vNome);
    // true: vCDCONTROLE_CLIENTE fica com o primeiro cliente achado; false: não muda.
    bool ClienteJaExiste(const QString& vNome);
    bool VerificaCPFExistente(const QString& vCPF);
    TCliente FCliente(int vControle);
    void GravarCliente(const QString& vNome, const QString& vEndereco, const QString& vNumero, const QString& vBairro,
                       int vCdCidade, const QString& vCelular, const QString& vCPF, const QString& vRG,
                       const QString& vOBS, const QString& vCEP);
    void Alterarcliente(int vControle, const QString& vNome, const QString& vEndereco, const QString& vNumero,
                        const QString& vBairro, int vCdCidade, const QString& vCelular, const QString& vCPF,
                        const QString& vRG, const QString& vOBS, const QString& vCEP);
    void ExcluirCliente(int vControle);
    // Nome da cidade; guarda nome e UF em vCidade/vUF e o código em vp_cdcidade (mesmo sem cidade).
    QString NomedaCidade(int vCdcontrole);
    // Código da cidade com este CEP (comparado exatamente, com o traço); 0 quando não há.
    int RetornaCIDADE_CEP(const QString& vp_CEP);
    // Código da cidade pelo código do IBGE (CODCIDADE); 0 quando não há.
    int RetornaCIDADE_IBGE(const QString& vp_IBGE);
    // A linha atual das listas vira o cliente / a cidade atual.
    void Ds_ClientesDataChange();
    void Ds_CidadesDataChange();

    // --- ordens de serviço (serviceorders/dm_OrdemServico.cpp) ---
    // Numeração: o número novo é sempre o maior NROS gravado + 1 (não é reservado até a OS ser
    // gravada); CONTROLE_ORDENS só registra o último número entregue, por quem e em que dia.
    int NumeroNovaOS();
    bool ExisteControledeOrdemdeServicoGerado();
    int UltimaOrdemdeServico(); // 0 sem nenhuma OS
    void IncrementaNovaOrdemnoControle();
    void CriaNovoControleOrdem();
    int RetornaUltimaOrdem();

    // Inclui a OS. Retorno e as quatro datas não são gravados (ficam nulos até AlterarOS);
    // HORA, o prazo de retirada e VALOR_TOTAL vêm da base. Figura: imagem BMP (vazia: nula).
    void GravarOS(int vNROS, int vCDCLIENTE, const QString& vDATAOS, const QString& vSTATUS,
                  const QString& vTPAPARELHO, const QString& vMARCA, const QString& vMODELO, const QString& vIMEI,
                  const QString& vOBSERVACAO, const QString& vSEM_CHIP, const QString& vNAO_LIGA,
                  const QString& vCARREGADOR, const QString& vSEM_TAMPA_BATERIA, const QString& vCARTAO_MEMORIA,
                  const QString& vLENTE_RISCADA, const QString& vLENTE_TRINCADA, const QString& vDISPLAY_TRINCADO,
                  const QString& vCARCACA_TRINCADA, const QString& vCARCACA_RISCADA, double vVALOR_TOTAL,
                  const QString& vRETORNO, const QString& vDATA_RETORNO, const QString& vDATA_FINALIZADO,
                  const QString& vDATA_RETIRADA, const QString& vDATA_DEVOLUCAO, const QString& vFUNCIONARIO,
                  const QString& vSENHA, const QByteArray& vSIMBOLO_ACESSO);
    // Altera a OS. Data vazia ("  /  /    ") não é gravada nem apagada; data inválida lança
    // EConversao antes de gravar. vVALOR_PAGO é o valor pago agora (regra em NovoValorPago:
    // acumula, quita, ou é recusado com ERegraOS). vVALOR_TOTAL não é usado.
    void AlterarOS(const QString& vNROS, const QString& vSTATUS, const QString& vTPAPARELHO, const QString& vMARCA,
                   const QString& vMODELO, const QString& vIMEI, const QString& vOBSERVACAO,
                   const QString& vSEM_CHIP, const QString& vNAO_LIGA, const QString& vCARREGADOR,
                   const QString& vSEM_TAMPA_BATERIA, const QString& vCARTAO_MEMORIA, const QString& vLENTE_RISCADA,
                   const QString& vLENTE_TRINCADA, const QString& vDISPLAY_TRINCADO,
                   const QString& vCARCACA_TRINCADA, const QString& vCARCACA_RISCADA, double vVALOR_TOTAL,
                   const QString& vRETORNO, const QString& vDATA_RETORNO, const QString& vDATA_FINALIZADO,
                   const QString& vDATA_RETIRADA, const QString& vDATA_DEVOLUCAO, const QString& vDATA_PAGTO,
                   double vVALOR_DEVOLVIDO, const QString& vMOTIVO_RETORNO, const QString& vFORMA_PAGAMENTO,
                   double vVALOR_PAGO, const QString& vSENHA, const QByteArray& vSIMBOLO_ACESSO);
    TOrdemServico FOrdemServico(int vNROS);
    QByteArray SimboloAcessoDaOS(int vNROS); // a figura do padrão de desbloqueio (BMP), vazia se não há
    void ExcluirOS(int vNROS);               // linhas e OS numa só transação; o checklist fica
    double ValorJaPago(int vNROS);           // nunca abaixo de 0

    // Linhas de serviço (Qry_Servicos_OS). As de uma OS nova são gravadas antes da OS.
    void AbreServicosOS(int vNROS);
    void GravarServicodaOS(const QString& vDefeito, const QString& vServico, double vValor,
                           const QString& vFuncionario, int vNROS);
    void AlterarServico(int vCdControle, double vValor);
    void ExcluiServicos_Da_OS(int vCdControle);
    bool ExisteServiconaOS(int vNROS);
    void LimpaServicosSEMOS(); // linhas de números sem OS gravada, de qualquer estação

    // Catálogo de marcas: Qry_Marcas aberta (quem abre percorre e fecha); os modelos em ordem.
    void AbrirMarcas(const QString& vTipo);
    QStringList AbrirModelos(const QString& vTipo, const QString& vMarca);
    bool ExisteCheckListparaOS(int vNROS);   // o checklist de entrada já foi gerado

    // Passagem para a tela do padrão de desbloqueio ("DesenharPIN"): a ordem de serviço põe aqui a
    // figura atual (imagem BMP, como em SIMBOLO_ACESSO; vazia se não há) e o número em vNROS antes
    // de abrir; a tela deixa aqui a figura desenhada ao fechar (ou não mexe, se nada foi desenhado)
    // e a ordem de serviço mostra o que encontrar aqui.
    QByteArray vImagemPIN;

    // lista, serviços e checklist (serviceorders/dm_Servicos.cpp, serviceorders/dm_CheckList.cpp)
    // Catálogo de serviços (Qry_Servicos, por descrição).
    void AbreServicos();
    void GravarServico(const QString& vServico, double vValor);
    void ExcluirServico(int vCdControle);
    // Pontos do checklist padrão (Qry_CheckList) e linhas do checklist de uma OS
    // (Qry_CheckLista_Entrada_OS, com o campo calculado CHECADO: "ü" quando APROVADO = "S").
    void AbrirCheckList();
    void AbrirCheckList_Entrada_OS(int vNROS);
    bool JaExisteItem(const QString& vItem);
    void InserirItemCheckList(const QString& vItem);
    void ExcluirItemdoCheckList(int vCdControle);
    void GerarCheckList_para_OS(int vNROS); // uma linha por ponto padrão; avisa "CheCklist gerado"
    void ExcluirCheckList_da_OS(int vNROS);
    // Marca a linha ("" ou "N" vira "S", o resto vira ""), com a data de hoje e o funcionário.
    void MarcarConferido(int vCdControle, const QString& vAprovado, const QString& vFuncionario);

    // --- vendas (sales/dm_Vendas.cpp) ---
    // A venda aberta não tem linha em VENDA: são as linhas de ITENS_VENDA com o próximo número
    // (maior NRVENDA gravado + 1), recalculado a cada chamada.
    int GerarNrodaVenda();
    void Gravar_Itens_da_Venda(int vNrVenda, int vCdProduto, double vValor_Produto, double vQTDE);
    // Reabre Qry_Itens_Venda com as linhas da venda (a linha de produto excluído não aparece).
    void AbrirItensVenda(int vNrVenda);
    double TotaldaVenda(int vp_NrVenda); // soma de VALOR_PRODUTO x QTDE; 0 sem linhas
    void AlterarQtdeeValorVENDA(int vControle, double vQtde, double vValorUnitario);
    void ExcluirItemDaVenda(int vControle);
    // Estoque, contas a receber e PAGO ficam com os gatilhos da base.
    void Gravar_Venda(int vNrVenda, const QDate& vData_Venda, const QString& vCliente, int vCdCliente,
                      const QString& vForma_Pagamento, double vValor_Desconto);
    TVenda FVenda(int vCdControle);
    // Linhas e venda numa só transação (a base recusa a venda com pagamento recebido).
    void ExcluirVenda(int AValue);
    void LimpaItenssemVENDA(); // linhas de números sem venda gravada, de qualquer estação
    // Número da venda que a tela "ImprimeVenda" imprime: quem pede põe aqui antes de abrir.
    int vNRVENDA_Impressao = 0;

    // --- estoque (stock/dm_Estoque.cpp) ---
    // Qry_Estoque com todos os produtos por nome / só os de um código de barras.
    void AbreEstoque();
    void AbreProdutoPelocodigodeBarra(const QString& vp_CodBarra);
    bool CodigoProdutoExiste(int vControle);
    bool ExisteCodigodeBarras(const QString& CodBarra);
    TEstoque FEstoque(int vCdControle);
    void GravarEstoque(const QString& vProduto, const QString& vUN, double vQTDE, double vValorVenda,
                       const QString& vReferencia, const QString& vCodBarras, int vCDFORNECEDOR_PADRAO);
    // REFERENCIA e VALOR_DE_CUSTO ficam como estão.
    void AlterarEstoque(int vControle, const QString& vProduto, const QString& vUN, double vQTDE, double vValor,
                        const QString& vCodBarra, int vCDFORNECEDOR_PADRAO);
    void ExcluirProduto(int VControle);
    // Uma linha de ENTRADA_ESTOQUE; a quantidade e o custo do produto são acertados pela base.
    void LancarEntradaEstoque(int vp_CdProduto, double vp_Valor_de_Custo, double vp_Qtde, const QDate& vp_Data);

    // --- compras: fornecedores e pedidos (purchasing/dm_Compras.cpp) ---
    // fornecedores (purchasing/dm_Fornecedores.cpp)
    // Qry_fornecedores de novo com a lista inteira (desfaz a busca do seletor).
    void AbrirFornecedores();
    TFornecedor Fornecedor(int vCdControle);
    void CadastrarFornecedor(const QString& vRAZAOSOCIAL, const QString& vENDERECO, const QString& vEMAIL,
                             const QString& vCELULAR, const QString& vCEP, const QString& vCIDADE,
                             const QString& vUF, const QString& vCNPJ, const QString& vIE);
    void AlterarFornecedor(int vCdControle, const QString& vRAZAOSOCIAL, const QString& vENDERECO,
                           const QString& vEMAIL, const QString& vCELULAR, const QString& vCEP,
                           const QString& vCIDADE, const QString& vUF, const QString& vCNPJ, const QString& vIE);

    // pedidos de compra (purchasing/dm_PedidoCompra.cpp)
    // vData_Pedido dd/MM/yyyy; data inválida lança EConversao antes de gravar.
    void GravarPedidodeCompra(int vCdCliente, const QString& vData_Pedido, const QString& vMarca,
                              const QString& vModelo, const QString& vMaterial_Pedido, const QString& vPedidoComprado,
                              const QString& vStatus);
    // Cliente, data e PEDIDOCOMPRADO ficam como estão.
    void AlterarPedidoCompra(int vControle, const QString& vMarca, const QString& vModelo, const QString& vItens,
                             const QString& vStatus);
    void ExcluirPedidodeCompra(int vControle);
    TPedidoCompra FPedidoCompra(int vControle);
    int UltimoPedidoCompra(); // 0 sem nenhum pedido

    // --- empresa (company/dm_Empresa.cpp) ---
    // EMPRESA tem alguma linha (tenha ou não CNPJ).
    bool ExisteCNPJEmpresa();
    TEmpresa FEmpresa();
    void InserirEmpresa(const QString& vNOME, const QString& vENDERECO, const QString& vBAIRRO, const QString& vCIDADE,
                        const QString& vTELEFONE, const QString& vEMAIL, const QString& vSITE, const QString& vLOGO,
                        const QString& vSUBTITULO, const QString& vFRASE, const QString& vCNPJ, const QString& vIE,
                        const QString& vUF, const QString& vCEP);
    void SalvarDadosdaEmpresa(int vCdControle, const QString& vNomeEmpresa, const QString& vEndereco,
                              const QString& vBairro, const QString& vCidade, const QString& vTelefone,
                              const QString& vEmail, const QString& vSite, const QString& vLogo,
                              const QString& vSubtitulo, const QString& vFrase, const QString& vCnpj,
                              const QString& vIE, const QString& vUF, const QString& vCEP);
    // "logo.png" da pasta do programa, se existir; senão texto vazio (não lê EMPRESA).
    QString Logo();

    // --- impressão (printing/dm_Impressao.cpp) ---
    // Cupom da venda na impressora de vendas (Impressora.ini); visualiza se vp_Preview_Venda é "SIM".
    void ImprimeVenda(int NRVENDA);

private:
    QSqlQuery prepararConsulta(const QStringList& linhas, const TParametros& parametros);
    TDataset* novoDataset(const QString& nome, const QStringList& linhas);

    bool m_ok = false;
    int m_profundidadeTransacao = 0;
    QString m_nomeConexao;
};

extern TModuloDados* ModuloDados;
