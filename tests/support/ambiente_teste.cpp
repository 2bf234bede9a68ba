#include "support/ambiente_teste.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include "core/u_Relogio.h"

AmbienteTeste::AmbienteTeste(const OpcoesAmbiente& opcoes)
{
    m_pastaApp = m_dir.path() + QStringLiteral("/app/");
    QDir().mkpath(m_pastaApp);
    m_base = m_dir.path() + QStringLiteral("/BASE.FDB");
    const QString modelo = opcoes.demo ? QStringLiteral(OSV_BASE_MODELO).replace(QStringLiteral("/modelo/"),
                                                                                   QStringLiteral("/modelo_demo/"))
                                       : QStringLiteral(OSV_BASE_MODELO);
    if (!QFile::copy(modelo, m_base))
        qFatal("não foi possível copiar a base modelo %s", qPrintable(modelo));
    QFile::setPermissions(m_base, QFile::ReadOwner | QFile::WriteOwner);

    // figuras que o programa procura na pasta do executável
    const QDir figuras(pastaFontes() + QStringLiteral("/resources/pasta_programa"));
    for (const QString& nome : figuras.entryList(QDir::Files))
        QFile::copy(figuras.filePath(nome), m_pastaApp + nome);

    FixarPastaAplicacao(m_pastaApp);
    InstalarDialogos(&m_dialogos);
    if (opcoes.escreverConfig)
        escreverConfig({QStringLiteral("[CONEXAO]"), QStringLiteral("StrCon=") + m_base,
                        QStringLiteral("Modulo=C0M_ORDEM_DE_SERVICO"), QStringLiteral("Preview_na_Venda=SIM"),
                        QStringLiteral("[APARENCIA]"), QStringLiteral("Estilo=Amakrits")});
    if (opcoes.criarModulo && !criarModulo())
        qFatal("módulo de dados não conectou: %s", qPrintable(m_dialogos.ultimaMensagem()));
}

AmbienteTeste::~AmbienteTeste()
{
    m_modulo.reset();
    InstalarDialogos(nullptr);
    FixarPastaAplicacao(QString());
    FixarRelogio(QDateTime());
    FixarNomeDaEstacao(QString());
}

bool AmbienteTeste::criarModulo()
{
    m_modulo.reset();
    m_modulo = std::make_unique<TModuloDados>();
    return m_modulo->ok();
}

void AmbienteTeste::escreverConfig(const QStringList& linhas)
{
    QFile arquivo(m_pastaApp + QStringLiteral("Config.ini"));
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("não foi possível escrever Config.ini");
    arquivo.write((linhas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

void AmbienteTeste::exec(const QString& sql, const TParametros& parametros)
{
    m_modulo->Executar({sql}, parametros);
}

QVariant AmbienteTeste::valor(const QString& sql, const TParametros& parametros)
{
    return m_modulo->LerValor({sql}, parametros);
}

QVector<QSqlRecord> AmbienteTeste::registros(const QString& sql, const TParametros& parametros)
{
    return m_modulo->LerRegistros({sql}, parametros);
}

QString AmbienteTeste::pastaFontes()
{
    return QStringLiteral(OSV_PASTA_FONTES);
}
