// Operações do módulo de dados sobre fornecedores (FORNECEDOR).
#include "core/u_ModuloDados.h"

void TModuloDados::AbrirFornecedores()
{
    Qry_fornecedores->fechar();
    Qry_fornecedores->setSQL({QStringLiteral("SELECT * FROM FORNECEDOR")});
    Qry_fornecedores->abrir();
}

TFornecedor TModuloDados::Fornecedor(int vCdControle)
{
    const QSqlRecord r = LerRegistro({QStringLiteral("SELECT * FROM FORNECEDOR WHERE CDCONTROLE = :CDCONTROLE")},
                                     {{QStringLiteral("CDCONTROLE"), vCdControle}});
    TFornecedor f;
    if (r.isEmpty())
        return f;
    f.vCDCONTROLE = r.value(QStringLiteral("CDCONTROLE")).toInt();
    f.vRAZAOSOCIAL = r.value(QStringLiteral("RAZAOSOCIAL")).toString();
    f.vENDERECO = r.value(QStringLiteral("ENDERECO")).toString();
    f.vEMAIL = r.value(QStringLiteral("EMAIL")).toString();
    f.vCELULAR = r.value(QStringLiteral("CELULAR")).toString();
    f.vCEP = r.value(QStringLiteral("CEP")).toString();
    f.vCIDADE = r.value(QStringLiteral("CIDADE")).toString();
    f.vUF = r.value(QStringLiteral("UF")).toString();
    f.vCNPJ = r.value(QStringLiteral("CNPJ")).toString();
    f.vIE = r.value(QStringLiteral("IE")).toString();
    return f;
}

namespace {
TParametros parametrosDoFornecedor(const QString& vRAZAOSOCIAL, const QString& vENDERECO, const QString& vEMAIL,
                                   const QString& vCELULAR, const QString& vCEP, const QString& vCIDADE,
                                   const QString& vUF, const QString& vCNPJ, const QString& vIE)
{
    return {{QStringLiteral("RAZAOSOCIAL"), vRAZAOSOCIAL},
            {QStringLiteral("ENDERECO"), vENDERECO},
            {QStringLiteral("EMAIL"), vEMAIL},
            {QStringLiteral("CELULAR"), vCELULAR},
            {QStringLiteral("CEP"), vCEP},
            {QStringLiteral("CIDADE"), vCIDADE},
            {QStringLiteral("UF"), vUF},
            {QStringLiteral("CNPJ"), vCNPJ},
            {QStringLiteral("IE"), vIE}};
}
} // namespace

void TModuloDados::CadastrarFornecedor(const QString& vRAZAOSOCIAL, const QString& vENDERECO, const QString& vEMAIL,
                                       const QString& vCELULAR, const QString& vCEP, const QString& vCIDADE,
                                       const QString& vUF, const QString& vCNPJ, const QString& vIE)
{
    Executar({QStringLiteral("INSERT INTO FORNECEDOR("),
              QStringLiteral("RAZAOSOCIAL,"),
              QStringLiteral("ENDERECO,"),
              QStringLiteral("EMAIL,"),
              QStringLiteral("CELULAR,"),
              QStringLiteral("CEP,"),
              QStringLiteral("CIDADE,"),
              QStringLiteral("UF,"),
              QStringLiteral("CNPJ,"),
              QStringLiteral("IE )"),
              QStringLiteral("VALUES("),
              QStringLiteral(":RAZAOSOCIAL,"),
              QStringLiteral(":ENDERECO,"),
              QStringLiteral(":EMAIL,"),
              QStringLiteral(":CELULAR,"),
              QStringLiteral(":CEP,"),
              QStringLiteral(":CIDADE,"),
              QStringLiteral(":UF,"),
              QStringLiteral(":CNPJ,"),
              QStringLiteral(":IE )")},
             parametrosDoFornecedor(vRAZAOSOCIAL, vENDERECO, vEMAIL, vCELULAR, vCEP, vCIDADE, vUF, vCNPJ, vIE));
}

void TModuloDados::AlterarFornecedor(int vCdControle, const QString& vRAZAOSOCIAL, const QString& vENDERECO,
                                     const QString& vEMAIL, const QString& vCELULAR, const QString& vCEP,
                                     const QString& vCIDADE, const QString& vUF, const QString& vCNPJ,
                                     const QString& vIE)
{
    TParametros parametros =
        parametrosDoFornecedor(vRAZAOSOCIAL, vENDERECO, vEMAIL, vCELULAR, vCEP, vCIDADE, vUF, vCNPJ, vIE);
    parametros.append({QStringLiteral("CDCONTROLE"), vCdControle});
    Executar({QStringLiteral("UPDATE FORNECEDOR"), QStringLiteral("SET"), QStringLiteral("RAZAOSOCIAL = :RAZAOSOCIAL,"),
              QStringLiteral("ENDERECO    = :ENDERECO,"), QStringLiteral("EMAIL       = :EMAIL,"),
              QStringLiteral("CELULAR     = :CELULAR,"), QStringLiteral("CEP         = :CEP,"),
              QStringLiteral("CIDADE      = :CIDADE,"), QStringLiteral("UF          = :UF,"),
              QStringLiteral("CNPJ        = :CNPJ,"), QStringLiteral("IE          = :IE"),
              QStringLiteral("WHERE CDCONTROLE = :CDCONTROLE")},
             parametros);
}
