#include "core/u_ModuloDados.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>

#include "core/u_ArquivoIni.h"
#include "core/u_Dialogos.h"
#include "core/u_Relogio.h"

TModuloDados* ModuloDados = nullptr;

namespace {
const QString kSemValor = QStringLiteral("Erro ao ler o valor");
int g_conexoes = 0;

QString textoDoErro(const QSqlError& erro)
{
    QString texto = erro.text().trimmed();
    return texto.isEmpty() ? QStringLiteral("erro desconhecido do banco de dados") : texto;
}
} // namespace

TModuloDados::TModuloDados(QObject* parent) : QObject(parent)
{
    ModuloDados = this;
    m_nomeConexao = QStringLiteral("ConexaoFD_%1").arg(++g_conexoes);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_nomeConexao);
    db.setUserName(QStringLiteral("sysdba"));
    db.setPassword(QStringLiteral("tulipvane"));
    db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=WIN1252"));

    Qry_Cidades = novoDataset(QStringLiteral("Qry_Cidades"), {QStringLiteral("SELECT * FROM CIDADES ORDER BY CIDADE")});
    Qry_Clientes =
        novoDataset(QStringLiteral("Qry_Clientes"), {QStringLiteral("SELECT * FROM CLIENTES ORDER BY NOME")});
    Qry_Marcas = novoDataset(QStringLiteral("Qry_Marcas"), {});
    Qry_Servicos = novoDataset(QStringLiteral("Qry_Servicos"),
                               {QStringLiteral("SELECT * FROM SERVICOS"), QStringLiteral("ORDER BY SERVICO")});
    Qry_Servicos_OS =
        novoDataset(QStringLiteral("Qry_Servicos_OS"),
                    {QStringLiteral("SELECT * FROM ITENS_ORDEM_SERVICO"), QStringLiteral("WHERE NROS = :NROS")});
    Qry_Impressao_OS = novoDataset(QStringLiteral("Qry_Impressao_OS"),
                                   {QStringLiteral("SELECT * FROM V_IMPRESSAO_OS WHERE NROS = :NROS")});
    Qry_Estoque = novoDataset(QStringLiteral("Qry_Estoque"), {QStringLiteral("SELECT * FROM ESTOQUE")});
    Qry_Itens_Venda = novoDataset(QStringLiteral("Qry_Itens_Venda"),
                                  {QStringLiteral("SELECT * FROM ITENS_VENDA I, ESTOQUE E"),
                                   QStringLiteral("WHERE E.CDCONTROLE = I.CDPRODUTO"),
                                   QStringLiteral("AND I.NRVENDA = :NRVENDA")});
    Qry_Impressao_Vendas = novoDataset(QStringLiteral("Qry_Impressao_Vendas"),
                                       {QStringLiteral("SELECT * FROM V_IMPRESSAO_VENDA WHERE NRVENDA = :NRVENDA")});
    Qry_Fechamento_de_Ordem_de_Servico = novoDataset(QStringLiteral("Qry_Fechamento_de_Ordem_de_Servico"), {});
    Qry_Fechamento_de_Ordem_de_Servico_DEVOLVIDAS =
        novoDataset(QStringLiteral("Qry_Fechamento_de_Ordem_de_Servico_DEVOLVIDAS"), {});
    Qry_Relatorio_Vendas = novoDataset(QStringLiteral("Qry_Relatorio_Vendas"), {});
    Qry_Usuarios = novoDataset(QStringLiteral("Qry_Usuarios"),
                               {QStringLiteral("SELECT CDLOGIN FROM USUARIOS ORDER BY CDLOGIN")});
    qry_Contas = novoDataset(QStringLiteral("qry_Contas"),
                             {QStringLiteral("SELECT * FROM RECEBER WHERE CDCLIENTE=:CDCLIENTE")});
    Qry_CheckList = novoDataset(QStringLiteral("Qry_CheckList"), {QStringLiteral("SELECT * FROM CHECKLIST_PADRAO")});
    Qry_CheckLista_Entrada_OS =
        novoDataset(QStringLiteral("Qry_CheckLista_Entrada_OS"),
                    {QStringLiteral("SELECT * FROM CHECKLIST_ENTRADA_OS WHERE NROS = :NROS")});
    Qry_fornecedores = novoDataset(QStringLiteral("Qry_fornecedores"), {QStringLiteral("SELECT * FROM FORNECEDOR")});

    // mudar a linha atual das listas de clientes e cidades escolhe o cliente / a cidade
    connect(Qry_Clientes, &TDataset::linhaAtualMudou, this, &TModuloDados::Ds_ClientesDataChange);
    connect(Qry_Cidades, &TDataset::linhaAtualMudou, this, &TModuloDados::Ds_CidadesDataChange);

    m_ok = DataModuleCreate();
}

TModuloDados::~TModuloDados()
{
    // os datasets seguram consultas da conexão: fecham antes dela
    const auto datasets = findChildren<TDataset*>();
    for (TDataset* ds : datasets)
        ds->clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_nomeConexao, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_nomeConexao);
    if (ModuloDados == this)
        ModuloDados = nullptr;
}

TDataset* TModuloDados::novoDataset(const QString& nome, const QStringList& linhas)
{
    auto* ds = new TDataset(nome, this);
    ds->setObjectName(nome);
    ds->setSQL(linhas);
    return ds;
}

QSqlDatabase TModuloDados::ConexaoFD() const
{
    return QSqlDatabase::database(m_nomeConexao, false);
}

bool TModuloDados::DataModuleCreate()
{
    vp_caminho_aplicacao = PastaAplicacao();
    TArquivoIni config(vp_caminho_aplicacao + QStringLiteral("Config.ini"));
    if (!config.existe()) {
        Dialogos().mensagem(QStringLiteral("Arquivo de configuracao do banco de dados não encontrado"));
        return false;
    }
    const QString local = config.ler(QStringLiteral("CONEXAO"), QStringLiteral("StrCon"), kSemValor);
    vp_Modulo = config.ler(QStringLiteral("CONEXAO"), QStringLiteral("Modulo"), kSemValor);
    vp_Preview_Venda = config.ler(QStringLiteral("CONEXAO"), QStringLiteral("Preview_na_Venda"), kSemValor);

    // só caminhos locais são conferidos aqui; "servidor:/caminho" fica com a conexão
    const bool caminhoLocal = local.startsWith(QLatin1String("C:")) || local.startsWith(QLatin1String("c:")) ||
                              local.startsWith(QLatin1Char('/'));
    if (caminhoLocal && !QFileInfo::exists(local)) {
        Dialogos().mensagem(QStringLiteral("Arquivo de base de dados não existe no local : \n") + local);
        return false;
    }

    QSqlDatabase db = ConexaoFD();
    db.close();
    db.setDatabaseName(local);
    if (!db.open()) {
        Dialogos().mensagem(QStringLiteral("Erro ocorrido : ") + textoDoErro(db.lastError()));
        return false;
    }
    vp_conexao_estabelecida = local;
    return true;
}

QString TModuloDados::PegaONomedoComputador() const
{
    return NomeDaEstacao();
}

bool TModuloDados::ContemApenasNumeros(const QString& texto)
{
    for (const QChar c : texto) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QSqlQuery TModuloDados::prepararConsulta(const QStringList& linhas, const TParametros& parametros)
{
    QSqlQuery consulta(ConexaoFD());
    if (!consulta.prepare(linhas.join(QLatin1Char('\n'))))
        throw EErroBanco(textoDoErro(consulta.lastError()).toStdString());
    for (const auto& p : parametros) {
        const QString nome = p.first.startsWith(QLatin1Char(':')) ? p.first : QLatin1Char(':') + p.first;
        consulta.bindValue(nome, p.second);
    }
    return consulta;
}

void TModuloDados::Executar(const QStringList& linhas, const TParametros& parametros)
{
    QSqlDatabase db = ConexaoFD();
    const bool propria = m_profundidadeTransacao == 0;
    // toda escrita roda numa transação explícita: o commit automático do driver pode falhar calado
    if (propria && !db.transaction())
        throw EErroBanco(textoDoErro(db.lastError()).toStdString());
    try {
        QSqlQuery consulta = prepararConsulta(linhas, parametros);
        if (!consulta.exec())
            throw EErroBanco(textoDoErro(consulta.lastError()).toStdString());
        consulta.finish();
    } catch (...) {
        if (propria)
            db.rollback();
        throw;
    }
    if (propria && !db.commit()) {
        const QString erro = textoDoErro(db.lastError());
        db.rollback();
        throw EErroBanco(erro.toStdString());
    }
}

void TModuloDados::EmTransacao(const std::function<void()>& trabalho)
{
    QSqlDatabase db = ConexaoFD();
    if (m_profundidadeTransacao > 0) {
        trabalho(); // já dentro de uma: a de fora decide
        return;
    }
    if (!db.transaction())
        throw EErroBanco(textoDoErro(db.lastError()).toStdString());
    m_profundidadeTransacao = 1;
    try {
        trabalho();
    } catch (...) {
        m_profundidadeTransacao = 0;
        db.rollback();
        throw;
    }
    m_profundidadeTransacao = 0;
    if (!db.commit()) {
        const QString erro = textoDoErro(db.lastError());
        db.rollback();
        throw EErroBanco(erro.toStdString());
    }
}

QSqlRecord TModuloDados::LerRegistro(const QStringList& linhas, const TParametros& parametros)
{
    QSqlQuery consulta = prepararConsulta(linhas, parametros);
    consulta.setForwardOnly(true);
    if (!consulta.exec())
        throw EErroBanco(textoDoErro(consulta.lastError()).toStdString());
    if (!consulta.next())
        return QSqlRecord();
    return consulta.record();
}

QVariant TModuloDados::LerValor(const QStringList& linhas, const TParametros& parametros)
{
    const QSqlRecord registro = LerRegistro(linhas, parametros);
    return registro.isEmpty() ? QVariant() : registro.value(0);
}

QVector<QSqlRecord> TModuloDados::LerRegistros(const QStringList& linhas, const TParametros& parametros)
{
    QSqlQuery consulta = prepararConsulta(linhas, parametros);
    consulta.setForwardOnly(true);
    if (!consulta.exec())
        throw EErroBanco(textoDoErro(consulta.lastError()).toStdString());
    QVector<QSqlRecord> registros;
    while (consulta.next())
        registros.append(consulta.record());
    return registros;
}
