// Operações dos dados da empresa (a única linha de EMPRESA).
#include <QFileInfo>

#include "core/u_ModuloDados.h"
#include "core/u_Relogio.h"

bool TModuloDados::ExisteCNPJEmpresa()
{
    return LerValor({QStringLiteral("SELECT COALESCE(COUNT(*),0) AS QT FROM EMPRESA")}).toInt() > 0;
}

TEmpresa TModuloDados::FEmpresa()
{
    const QSqlRecord r = LerRegistro({QStringLiteral("SELECT * FROM EMPRESA")});
    auto texto = [&r](const char* coluna) { return r.value(QString::fromLatin1(coluna)).toString(); };
    TEmpresa e;
    e.var_NOEMPRESA = texto("NOME");
    e.var_Telefone = texto("TELEFONE");
    e.var_Endereco = texto("ENDERECO");
    e.var_Cidade = texto("CIDADE");
    e.var_email = texto("EMAIL");
    e.var_site = texto("SITE");
    e.var_Bairro = texto("BAIRRO");
    e.var_LOGO = texto("LOGO");
    e.var_SUBtitulo = texto("SUBTITULO");
    e.var_Frase = texto("FRASE");
    e.var_CNPJ = texto("CNPJ");
    e.var_IE = texto("IE");
    e.var_UF = texto("UF");
    e.var_CEP = texto("CEP");
    return e;
}

void TModuloDados::InserirEmpresa(const QString& vNOME, const QString& vENDERECO, const QString& vBAIRRO,
                                  const QString& vCIDADE, const QString& vTELEFONE, const QString& vEMAIL,
                                  const QString& vSITE, const QString& vLOGO, const QString& vSUBTITULO,
                                  const QString& vFRASE, const QString& vCNPJ, const QString& vIE, const QString& vUF,
                                  const QString& vCEP)
{
    Executar({QStringLiteral("INSERT INTO EMPRESA(CDCONTROLE,NOME,"),
              QStringLiteral("ENDERECO,"),
              QStringLiteral("BAIRRO,"),
              QStringLiteral("CIDADE,"),
              QStringLiteral("TELEFONE,"),
              QStringLiteral("EMAIL,"),
              QStringLiteral("SITE,"),
              QStringLiteral("LOGO,"),
              QStringLiteral("SUBTITULO,"),
              QStringLiteral("FRASE,"),
              QStringLiteral("CNPJ,"),
              QStringLiteral("IE,"),
              QStringLiteral("UF,"),
              QStringLiteral("CEP)"),
              QStringLiteral("VALUES"),
              QStringLiteral("(:CDCONTROLE, :NOME,"),
              QStringLiteral(":ENDERECO,"),
              QStringLiteral(":BAIRRO,"),
              QStringLiteral(":CIDADE,"),
              QStringLiteral(":TELEFONE,"),
              QStringLiteral(":EMAIL,"),
              QStringLiteral(":SITE,"),
              QStringLiteral(":LOGO,"),
              QStringLiteral(":SUBTITULO,"),
              QStringLiteral(":FRASE,"),
              QStringLiteral(":CNPJ,"),
              QStringLiteral(":IE,"),
              QStringLiteral(":UF,"),
              QStringLiteral(":CEP)")},
             {{QStringLiteral("CDCONTROLE"), 1},
              {QStringLiteral("NOME"), vNOME},
              {QStringLiteral("ENDERECO"), vENDERECO},
              {QStringLiteral("BAIRRO"), vBAIRRO},
              {QStringLiteral("CIDADE"), vCIDADE},
              {QStringLiteral("TELEFONE"), vTELEFONE},
              {QStringLiteral("EMAIL"), vEMAIL},
              {QStringLiteral("SITE"), vSITE},
              {QStringLiteral("LOGO"), vLOGO},
              {QStringLiteral("SUBTITULO"), vSUBTITULO},
              {QStringLiteral("FRASE"), vFRASE},
              {QStringLiteral("CNPJ"), vCNPJ},
              {QStringLiteral("IE"), vIE},
              {QStringLiteral("UF"), vUF},
              {QStringLiteral("CEP"), vCEP}});
}

void TModuloDados::SalvarDadosdaEmpresa(int vCdControle, const QString& vNomeEmpresa, const QString& vEndereco,
                                        const QString& vBairro, const QString& vCidade, const QString& vTelefone,
                                        const QString& vEmail, const QString& vSite, const QString& vLogo,
                                        const QString& vSubtitulo, const QString& vFrase, const QString& vCnpj,
                                        const QString& vIE, const QString& vUF, const QString& vCEP)
{
    Executar({QStringLiteral("UPDATE EMPRESA SET"), QStringLiteral("NOME      = :NOME,"),
              QStringLiteral("ENDERECO  = :ENDERECO,"), QStringLiteral("BAIRRO    = :BAIRRO,"),
              QStringLiteral("CIDADE    = :CIDADE,"), QStringLiteral("TELEFONE  = :TELEFONE,"),
              QStringLiteral("EMAIL     = :EMAIL,"), QStringLiteral("SITE      = :SITE,"),
              QStringLiteral("LOGO      = :LOGO,"), QStringLiteral("SUBTITULO = :SUBTITULO,"),
              QStringLiteral("FRASE     = :FRASE,"), QStringLiteral("CNPJ      = :CNPJ,"),
              QStringLiteral("IE        = :IE,"), QStringLiteral("UF        = :UF,"),
              QStringLiteral("CEP        =:CEP"), QStringLiteral("WHERE CDCONTROLE = :CDCONTROLE")},
             {{QStringLiteral("NOME"), vNomeEmpresa},
              {QStringLiteral("ENDERECO"), vEndereco},
              {QStringLiteral("BAIRRO"), vBairro},
              {QStringLiteral("CIDADE"), vCidade},
              {QStringLiteral("TELEFONE"), vTelefone},
              {QStringLiteral("EMAIL"), vEmail},
              {QStringLiteral("SITE"), vSite},
              {QStringLiteral("LOGO"), vLogo},
              {QStringLiteral("SUBTITULO"), vSubtitulo},
              {QStringLiteral("FRASE"), vFrase},
              {QStringLiteral("CNPJ"), vCnpj},
              {QStringLiteral("IE"), vIE},
              {QStringLiteral("UF"), vUF},
              {QStringLiteral("CEP"), vCEP},
              {QStringLiteral("CDCONTROLE"), vCdControle}});
}

QString TModuloDados::Logo()
{
    const QString caminho = PastaAplicacao() + QStringLiteral("logo.png");
    return QFileInfo::exists(caminho) ? caminho : QString();
}
