// Operações de clientes e cidades do módulo de dados.
#include "core/u_ModuloDados.h"

void TModuloDados::AbreCidades()
{
    Qry_Cidades->fechar();
    Qry_Cidades->abrir();
}

void TModuloDados::AbreClientes()
{
    // o SQL e o parâmetro ficam como a última busca os deixou
    Qry_Clientes->fechar();
    Qry_Clientes->abrir();
}

void TModuloDados::BuscarCliente(const QString& vNome)
{
    Qry_Clientes->fechar();
    Qry_Clientes->setSQL({QStringLiteral("SELECT * FROM CLIENTES"), QStringLiteral("WHERE"),
                          QStringLiteral("NOME LIKE :NOME"), QStringLiteral("ORDER BY NOME")});
    Qry_Clientes->setParametro(QStringLiteral("NOME"), QStringLiteral("%") + vNome + QStringLiteral("%"));
    Qry_Clientes->abrir();
}

bool TModuloDados::ClienteJaExiste(const QString& vNome)
{
    const TParametros nome{{QStringLiteral("NOME"), vNome}};
    if (LerValor({QStringLiteral("SELECT COUNT(*) QT FROM CLIENTES WHERE NOME = :NOME")}, nome).toInt() < 1)
        return false;
    vCDCONTROLE_CLIENTE =
        LerValor({QStringLiteral("SELECT CDCONTROLE FROM CLIENTES WHERE NOME = :NOME")}, nome).toInt();
    return true;
}

bool TModuloDados::VerificaCPFExistente(const QString& vCPF)
{
    const TParametros cpf{{QStringLiteral("CPF"), vCPF}};
    if (LerValor({QStringLiteral("SELECT COUNT(*) QT"), QStringLiteral("FROM CLIENTES"), QStringLiteral("WHERE"),
                  QStringLiteral("CPF = :CPF")},
                 cpf)
            .toInt() < 1)
        return false;
    vCDCONTROLE_CLIENTE = LerValor({QStringLiteral("SELECT CDCONTROLE FROM CLIENTES WHERE CPF = :CPF")}, cpf).toInt();
    return true;
}

TCliente TModuloDados::FCliente(int vControle)
{
    const QSqlRecord r = LerRegistro({QStringLiteral("SELECT * FROM CLIENTES WHERE CDCONTROLE = :CDCONTROLE")},
                                     {{QStringLiteral("CDCONTROLE"), vControle}});
    TCliente c;
    c.var_CDCONTROLE = r.value(QStringLiteral("CDCONTROLE")).toInt();
    c.var_NOME = r.value(QStringLiteral("NOME")).toString();
    c.var_ENDERECO = r.value(QStringLiteral("ENDERECO")).toString();
    c.var_NUMERO = r.value(QStringLiteral("NUMERO")).toString();
    c.var_BAIRRO = r.value(QStringLiteral("BAIRRO")).toString();
    c.var_CDCIDADE = r.value(QStringLiteral("CDCIDADE")).toInt();
    c.var_CELULAR = r.value(QStringLiteral("CELULAR")).toString();
    c.var_CPF = r.value(QStringLiteral("CPF")).toString();
    c.var_RG = r.value(QStringLiteral("RG")).toString();
    c.var_OBS = r.value(QStringLiteral("OBS")).toString();
    return c;
}

void TModuloDados::GravarCliente(const QString& vNome, const QString& vEndereco, const QString& vNumero,
                                 const QString& vBairro, int vCdCidade, const QString& vCelular, const QString& vCPF,
                                 const QString& vRG, const QString& vOBS, const QString& vCEP)
{
    Executar({QStringLiteral("INSERT INTO CLIENTES"),
              QStringLiteral("(NOME,ENDERECO,NUMERO,BAIRRO,CDCIDADE,CELULAR,CPF,RG,OBS,CEP)"), QStringLiteral("VALUES"),
              QStringLiteral("(:NOME,:ENDERECO,:NUMERO,:BAIRRO,:CDCIDADE,:CELULAR,:CPF,:RG,:OBS, :CEP)")},
             {{QStringLiteral("NOME"), vNome},
              {QStringLiteral("ENDERECO"), vEndereco},
              {QStringLiteral("NUMERO"), vNumero},
              {QStringLiteral("BAIRRO"), vBairro},
              {QStringLiteral("CDCIDADE"), vCdCidade},
              {QStringLiteral("CELULAR"), vCelular},
              {QStringLiteral("CPF"), vCPF},
              {QStringLiteral("RG"), vRG},
              {QStringLiteral("OBS"), vOBS},
              {QStringLiteral("CEP"), vCEP}});
}

void TModuloDados::Alterarcliente(int vControle, const QString& vNome, const QString& vEndereco, const QString& vNumero,
                                  const QString& vBairro, int vCdCidade, const QString& vCelular, const QString& vCPF,
                                  const QString& vRG, const QString& vOBS, const QString& vCEP)
{
    Executar({QStringLiteral("UPDATE CLIENTES"), QStringLiteral("SET NOME     = :NOME,"),
              QStringLiteral("    ENDERECO = :ENDERECO,"), QStringLiteral("    NUMERO   = :NUMERO,"),
              QStringLiteral("    BAIRRO   = :BAIRRO,"), QStringLiteral("    CDCIDADE = :CDCIDADE,"),
              QStringLiteral("    CELULAR  = :CELULAR,"), QStringLiteral("    CPF      = :CPF,"),
              QStringLiteral("    RG       = :RG,"), QStringLiteral("    OBS      = :OBS,"),
              QStringLiteral("    CEP      = :CEP"), QStringLiteral("WHERE CDCONTROLE = :CDCONTROLE")},
             {{QStringLiteral("NOME"), vNome},
              {QStringLiteral("ENDERECO"), vEndereco},
              {QStringLiteral("NUMERO"), vNumero},
              {QStringLiteral("BAIRRO"), vBairro},
              {QStringLiteral("CDCIDADE"), vCdCidade},
              {QStringLiteral("CELULAR"), vCelular},
              {QStringLiteral("CPF"), vCPF},
              {QStringLiteral("RG"), vRG},
              {QStringLiteral("OBS"), vOBS},
              {QStringLiteral("CEP"), vCEP},
              {QStringLiteral("CDCONTROLE"), vControle}});
}

void TModuloDados::ExcluirCliente(int vControle)
{
    Executar(
        {QStringLiteral("DELETE FROM CLIENTES"), QStringLiteral("WHERE"), QStringLiteral("CDCONTROLE = :CDCONTROLE")},
        {{QStringLiteral("CDCONTROLE"), vControle}});
}

QString TModuloDados::NomedaCidade(int vCdcontrole)
{
    const QSqlRecord r = LerRegistro({QStringLiteral("SELECT CIDADE,UF FROM CIDADES WHERE CONTROLE = :CONTROLE")},
                                     {{QStringLiteral("CONTROLE"), vCdcontrole}});
    vCidade = r.value(QStringLiteral("CIDADE")).toString();
    vUF = r.value(QStringLiteral("UF")).toString();
    vp_cdcidade = vCdcontrole;
    return vCidade;
}

int TModuloDados::RetornaCIDADE_CEP(const QString& vp_CEP)
{
    return LerRegistro({QStringLiteral("SELECT * FROM CIDADES WHERE CEP = :CEP")}, {{QStringLiteral("CEP"), vp_CEP}})
        .value(QStringLiteral("CONTROLE"))
        .toInt();
}

int TModuloDados::RetornaCIDADE_IBGE(const QString& vp_IBGE)
{
    bool numero = false;
    const int codigo = vp_IBGE.trimmed().toInt(&numero);
    if (!numero || codigo <= 0)
        return 0;
    return LerValor({QStringLiteral("SELECT CONTROLE FROM CIDADES WHERE CODCIDADE = :CODCIDADE")},
                    {{QStringLiteral("CODCIDADE"), codigo}})
        .toInt();
}

void TModuloDados::Ds_ClientesDataChange()
{
    if (Qry_Clientes->linhaAtual() >= 0)
        vCDCONTROLE_CLIENTE = Qry_Clientes->campo(QStringLiteral("CDCONTROLE")).toInt();
}

void TModuloDados::Ds_CidadesDataChange()
{
    if (Qry_Cidades->linhaAtual() >= 0)
        vp_cdcidade = Qry_Cidades->campo(QStringLiteral("CONTROLE")).toInt();
}
