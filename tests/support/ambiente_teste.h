#pragma once
// Ambiente de um teste: cópia nova da base modelo, pasta de programa temporária com Config.ini
// e as figuras, diálogos roteirizados e o módulo de dados conectado. Tudo volta ao normal no fim.
#include <QSqlRecord>
#include <QTemporaryDir>
#include <memory>

#include "core/u_ModuloDados.h"
#include "support/fake_dialogos.h"

struct OpcoesAmbiente
{
    bool criarModulo = true;   // false: só prepara pasta e base (para testar a criação do módulo)
    bool demo = false;         // base com os dados de demonstração
    bool escreverConfig = true;
};

class AmbienteTeste
{
public:
    explicit AmbienteTeste(const OpcoesAmbiente& opcoes = OpcoesAmbiente());
    ~AmbienteTeste();

    QString pastaAplicacao() const { return m_pastaApp; } // com barra final
    QString caminhoBase() const { return m_base; }
    QString pastaTemporaria() const { return m_dir.path(); }
    FakeDialogos& dialogos() { return m_dialogos; }
    TModuloDados* modulo() const { return m_modulo.get(); }

    // Cria (ou recria) o módulo de dados; devolve ok().
    bool criarModulo();
    // Reescreve Config.ini com as linhas dadas (seções e chaves).
    void escreverConfig(const QStringList& linhas);

    // SQL direto na conexão do módulo, para preparar e conferir dados (falha: lança EErroBanco).
    void exec(const QString& sql, const TParametros& parametros = {});
    QVariant valor(const QString& sql, const TParametros& parametros = {});
    QVector<QSqlRecord> registros(const QString& sql, const TParametros& parametros = {});

    static QString pastaFontes(); // raiz do projeto

private:
    QTemporaryDir m_dir;
    QString m_pastaApp;
    QString m_base;
    FakeDialogos m_dialogos;
    std::unique_ptr<TModuloDados> m_modulo;
};
