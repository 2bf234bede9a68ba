// Programa de capturas: abre cada janela registrada fora da tela, com a base de
// demonstração, e grava <nome>.png na pasta pedida. Veja capturas.h.
#include "capturas.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/u_Aplicacao.h"
#include "core/u_ArquivoIni.h"
#include "core/u_Dialogos.h"
#include "core/u_Relogio.h"
#include "mainwin/u_GerenciadorEstilos.h"

namespace {

std::vector<std::pair<QString, TFabricaDeCaptura>>& registradas()
{
    static std::vector<std::pair<QString, TFabricaDeCaptura>> lista;
    return lista;
}

QString g_capturaAtual;

// Nada aparece: mensagens vão para a saída de erros, o resto responde "não".
class TDialogosDaCaptura : public IDialogos
{
public:
    void mensagem(const QString& texto, const QString&, TIcone) override { avisar(QStringLiteral("mensagem"), texto); }
    bool pergunta(const QString& texto, const QString&, bool) override
    {
        avisar(QStringLiteral("pergunta (Não)"), texto);
        return false;
    }
    bool entrada(const QString& titulo, const QString&, QString&) override
    {
        avisar(QStringLiteral("entrada (cancelada)"), titulo);
        return false;
    }
    QString escolherArquivo(const QString& titulo, const QString&, const QString&) override
    {
        avisar(QStringLiteral("arquivo (cancelado)"), titulo);
        return QString();
    }
    int executarModal(QDialog* janela) override
    {
        avisar(QStringLiteral("janela (cancelada)"), janela->objectName());
        return QDialog::Rejected;
    }

private:
    static void avisar(const QString& tipo, const QString& texto)
    {
        std::fprintf(stderr, "  [%s] %s: %s\n", qPrintable(g_capturaAtual), qPrintable(tipo),
                     qPrintable(QString(texto).replace(QLatin1Char('\n'), QLatin1String(" / "))));
    }
};

void processar(int milissegundos)
{
    QElapsedTimer relogio;
    relogio.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    } while (relogio.elapsed() < milissegundos);
}

bool prepararPasta(const QTemporaryDir& dir, const QString& estilo, TContextoCaptura& ctx)
{
    ctx.pastaAplicacao = dir.path() + QStringLiteral("/app/");
    ctx.caminhoBase = dir.path() + QStringLiteral("/BASE.FDB");
    QDir().mkpath(ctx.pastaAplicacao);
    if (!QFile::copy(QStringLiteral(OSV_BASE_DEMO), ctx.caminhoBase)) {
        std::fprintf(stderr, "capturas: não foi possível copiar %s\n", OSV_BASE_DEMO);
        return false;
    }
    QFile::setPermissions(ctx.caminhoBase, QFile::ReadOwner | QFile::WriteOwner);
    const QDir figuras(QStringLiteral(OSV_PASTA_FONTES "/resources/pasta_programa"));
    for (const QString& nome : figuras.entryList(QDir::Files))
        QFile::copy(figuras.filePath(nome), ctx.pastaAplicacao + nome);
    QFile config(ctx.pastaAplicacao + QStringLiteral("Config.ini"));
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write(QStringLiteral("[CONEXAO]\r\nStrCon=%1\r\nModulo=C0M_ORDEM_DE_SERVICO\r\nPreview_na_Venda=SIM\r\n\r\n"
                                "[APARENCIA]\r\nEstilo=%2\r\n")
                     .arg(ctx.caminhoBase, estilo)
                     .toUtf8());
    FixarPastaAplicacao(ctx.pastaAplicacao);
    return true;
}

} // namespace

TRegistroCaptura::TRegistroCaptura(const char* nome, TFabricaDeCaptura fabrica)
{
    registradas().emplace_back(QString::fromUtf8(nome), std::move(fabrica));
}

void TContextoCaptura::sql(const QString& comando, const TParametros& parametros) const
{
    ModuloDados->Executar({comando}, parametros);
}

QVariant TContextoCaptura::valor(const QString& consulta, const TParametros& parametros) const
{
    return ModuloDados->LerValor({consulta}, parametros);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepararAmbienteFirebird();
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    app.setApplicationName(QStringLiteral("osvendas"));

    QString saida;
    QString estilo = QStringLiteral("Amakrits");
    QStringList pedidas;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--estilo") && i + 1 < args.size())
            estilo = args[++i];
        else if (saida.isEmpty())
            saida = args[i];
        else
            pedidas << args[i];
    }
    if (saida.isEmpty()) {
        std::fprintf(stderr, "uso: capturas <pasta de saída> [--estilo \"Nome\"] [nome ...]\nregistradas:");
        for (const auto& r : registradas())
            std::fprintf(stderr, " %s", qPrintable(r.first));
        std::fprintf(stderr, "\n");
        return 2;
    }
    QDir().mkpath(saida);
    if (!TGerenciadorEstilos::Existe(estilo)) {
        std::fprintf(stderr, "capturas: estilo desconhecido: %s\n", qPrintable(estilo));
        return 2;
    }
    TGerenciadorEstilos::Aplicar(estilo);

    TDialogosDaCaptura dialogos;
    InstalarDialogos(&dialogos);
    auto lista = registradas();
    std::sort(lista.begin(), lista.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    int falhas = 0;
    int feitas = 0;
    for (const auto& [nome, fabrica] : lista) {
        if (!pedidas.isEmpty() && !pedidas.contains(nome))
            continue;
        g_capturaAtual = nome;
        QTemporaryDir dir;
        TContextoCaptura ctx;
        if (!dir.isValid() || !prepararPasta(dir, estilo, ctx)) {
            ++falhas;
            continue;
        }
        auto modulo = std::make_unique<TModuloDados>();
        if (!modulo->ok()) {
            std::fprintf(stderr, "capturas: %s: o módulo de dados não conectou\n", qPrintable(nome));
            ++falhas;
            continue;
        }
        modulo->vp_usuario_conectado = QStringLiteral("ADMIN");
        try {
            std::unique_ptr<QWidget> janela = fabrica(ctx);
            janela->show();
            processar(150);
            if (ctx.m_depoisDeMostrar) {
                ctx.m_depoisDeMostrar(janela.get());
                processar(100);
            }
            const QString arquivo = QDir(saida).filePath(nome + QStringLiteral(".png"));
            if (!janela->grab().save(arquivo)) {
                std::fprintf(stderr, "capturas: não foi possível gravar %s\n", qPrintable(arquivo));
                ++falhas;
            } else {
                std::printf("%s\n", qPrintable(arquivo));
                ++feitas;
            }
        } catch (const std::exception& erro) {
            std::fprintf(stderr, "capturas: %s: %s\n", qPrintable(nome), erro.what());
            ++falhas;
        }
        processar(20);
        modulo.reset();
        FixarPastaAplicacao(QString());
    }
    InstalarDialogos(nullptr);
    for (const QString& p : std::as_const(pedidas)) {
        if (std::none_of(lista.begin(), lista.end(), [&](const auto& r) { return r.first == p; })) {
            std::fprintf(stderr, "capturas: não há captura registrada com o nome %s\n", qPrintable(p));
            ++falhas;
        }
    }
    std::fprintf(stderr, "%d captura(s) gravada(s), %d falha(s)\n", feitas, falhas);
    return falhas == 0 ? 0 : 1;
}
