#include "mainwin/u_GerenciadorEstilos.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>

namespace {

// Cores principais de cada tema; as demais saem destas.
struct TTema
{
    const char* nome;
    const char* janela;
    const char* texto;
    const char* base;
    const char* textoBase;
    const char* botao;
    const char* destaque;
};

// Na ordem em que o programa os traz.
const TTema kTemas[] = {
    {"Amakrits", "#2b2b2b", "#e6e6e6", "#1e1e1e", "#f0f0f0", "#3c3c3c", "#d98c1f"},
    {"Amethyst Kamri", "#e9e4f0", "#2d1f3d", "#ffffff", "#2d1f3d", "#d9cfe8", "#8a5cb8"},
    {"Aqua Graphite", "#333a3f", "#e0e6ea", "#262b2f", "#eef3f5", "#454d53", "#2bb3c0"},
    {"Aqua Light Slate", "#dfe6ea", "#1f2a30", "#ffffff", "#1f2a30", "#cbd6dc", "#2a9bb0"},
    {"Auric", "#2a2620", "#f0e6cc", "#1d1a16", "#f5ecd6", "#3d372d", "#c9a227"},
    {"Carbon", "#262626", "#dcdcdc", "#1a1a1a", "#e8e8e8", "#363636", "#5a8fd6"},
    {"Charcoal Dark Slate", "#2f3437", "#d8dde0", "#23272a", "#e4e8ea", "#41474b", "#6c8aa0"},
    {"Cobalt XEMedia", "#1d2a44", "#dfe7f5", "#14203a", "#e8eefa", "#2b3c5e", "#3f7fe0"},
    {"Cyan Dusk", "#2e3b44", "#d9eef2", "#23303a", "#e6f6f8", "#3e4f5a", "#21a9c4"},
    {"Cyan Night", "#14232b", "#c9ecf2", "#0d1a20", "#d8f3f7", "#1f3440", "#00b4d8"},
    {"Emerald Light Slate", "#e0e7e4", "#1e2d27", "#ffffff", "#1e2d27", "#cbd8d2", "#2e9e6b"},
    {"Glossy", "#3a3a3a", "#ffffff", "#2a2a2a", "#ffffff", "#505050", "#3d8ee6"},
    {"Glow", "#1f2228", "#e5e9f0", "#16181d", "#eef1f6", "#2d3139", "#4fb0ff"},
    {"Golden Graphite", "#31302d", "#ebe3cf", "#252421", "#f3ecdb", "#45433e", "#d4a73c"},
    {"Iceberg Classico", "#e8eef3", "#1d2b36", "#ffffff", "#1d2b36", "#d4dfe8", "#4a8cc7"},
    {"Lavender Classico", "#ebe8f2", "#2a2538", "#ffffff", "#2a2538", "#dad4e6", "#8c7ab8"},
    {"Light", "#f3f3f3", "#1a1a1a", "#ffffff", "#1a1a1a", "#e4e4e4", "#2f7de1"},
    {"Luna", "#ece9d8", "#000000", "#ffffff", "#000000", "#dcdac8", "#316ac5"},
    {"Metropolis UI Black", "#111111", "#f0f0f0", "#000000", "#f5f5f5", "#222222", "#1ba1e2"},
    {"Metropolis UI Blue", "#1f5fa0", "#ffffff", "#ffffff", "#1a1a1a", "#2b6cb0", "#0a3d6e"},
    {"Metropolis UI Dark", "#2d2d30", "#f1f1f1", "#1e1e1e", "#f1f1f1", "#3e3e42", "#007acc"},
    {"Metropolis UI Green", "#1e7145", "#ffffff", "#ffffff", "#1a1a1a", "#2a8a57", "#0c4a2a"},
    {"Obsidian", "#202124", "#d7d9dc", "#17181a", "#e3e5e8", "#303134", "#7b68ee"},
    {"Onyx Blue", "#1b1f27", "#cdd6e4", "#12151b", "#dbe3ef", "#282e3a", "#3a6fd8"},
    {"Ruby Graphite", "#302b2c", "#ecdfe1", "#241f20", "#f4e8ea", "#453d3f", "#c0263b"},
    {"Sapphire Kamri", "#d9e3f3", "#142a4d", "#ffffff", "#142a4d", "#c2d2ec", "#1f5fbf"},
    {"Silver", "#e0e0e0", "#202020", "#ffffff", "#202020", "#cfcfcf", "#7a8a9a"},
    {"Sky", "#dcecf8", "#10324d", "#ffffff", "#10324d", "#c3dcf0", "#3a95d9"},
    {"Slate Classico", "#d7dbe0", "#1f252b", "#ffffff", "#1f252b", "#c4cad1", "#5a6b7d"},
    {"Tablet Dark", "#2a2d31", "#eceff2", "#202326", "#f2f4f6", "#3a3e43", "#e04f2b"},
    {"Tablet Light", "#f5f6f7", "#22262a", "#ffffff", "#22262a", "#e6e8ea", "#e04f2b"},
    {"Turquoise Gray", "#d3dcdc", "#1d2b2b", "#f7fbfb", "#1d2b2b", "#bfcccc", "#1aa39a"},
    {"Windows", "#f0f0f0", "#000000", "#ffffff", "#000000", "#e1e1e1", "#0078d7"},
    {"Windows Blue", "#dae8f5", "#0b2540", "#ffffff", "#0b2540", "#c4d9ee", "#0063b1"},
    {"Windows Dark", "#202020", "#ffffff", "#2b2b2b", "#ffffff", "#333333", "#0078d7"},
    {"Windows Green", "#dcefe3", "#0c2e1a", "#ffffff", "#0c2e1a", "#c3e2cf", "#107c41"},
    {"Windows Purple", "#e9e0f2", "#2a1240", "#ffffff", "#2a1240", "#d8c8ea", "#744da9"},
    {"Windows Slate Gray", "#dde2e6", "#1c252c", "#ffffff", "#1c252c", "#c8d0d6", "#5d6f7e"},
};

const TTema* acharTema(const QString& nome)
{
    for (const TTema& t : kTemas)
        if (nome == QLatin1String(t.nome))
            return &t;
    return nullptr;
}

QColor misturar(const QColor& a, const QColor& b, double fracaoDeB)
{
    const double fa = 1.0 - fracaoDeB;
    return QColor::fromRgbF(a.redF() * fa + b.redF() * fracaoDeB, a.greenF() * fa + b.greenF() * fracaoDeB,
                            a.blueF() * fa + b.blueF() * fracaoDeB);
}

bool escura(const QColor& cor)
{
    return 0.299 * cor.redF() + 0.587 * cor.greenF() + 0.114 * cor.blueF() < 0.5;
}

QPalette montarPaleta(const TTema& t)
{
    const QColor janela(QLatin1String(t.janela));
    const QColor texto(QLatin1String(t.texto));
    const QColor base(QLatin1String(t.base));
    const QColor textoBase(QLatin1String(t.textoBase));
    const QColor botao(QLatin1String(t.botao));
    const QColor destaque(QLatin1String(t.destaque));

    QPalette p(botao, janela);
    p.setColor(QPalette::WindowText, texto);
    p.setColor(QPalette::ButtonText, texto);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, misturar(base, janela, 0.5));
    p.setColor(QPalette::Text, textoBase);
    p.setColor(QPalette::PlaceholderText, misturar(textoBase, base, 0.5));
    p.setColor(QPalette::Highlight, destaque);
    p.setColor(QPalette::HighlightedText, escura(destaque) ? Qt::white : Qt::black);
    p.setColor(QPalette::Link, escura(janela) ? destaque.lighter(130) : destaque.darker(120));
    p.setColor(QPalette::LinkVisited, p.color(QPalette::Link).darker(120));
    p.setColor(QPalette::BrightText, escura(janela) ? QColor(Qt::white) : QColor(Qt::red));
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, textoBase);
    // desabilitado: o texto some na metade do caminho até o fundo
    p.setColor(QPalette::Disabled, QPalette::WindowText, misturar(texto, janela, 0.55));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, misturar(texto, botao, 0.55));
    p.setColor(QPalette::Disabled, QPalette::Text, misturar(textoBase, base, 0.55));
    p.setColor(QPalette::Disabled, QPalette::Base, janela);
    p.setColor(QPalette::Disabled, QPalette::Highlight, misturar(destaque, janela, 0.5));
    return p;
}

// O estilo de fundo com o atraso das dicas do programa (600 ms).
class TEstiloPrograma : public QProxyStyle
{
public:
    explicit TEstiloPrograma(QStyle* base) : QProxyStyle(base) {}
    int styleHint(StyleHint dica, const QStyleOption* opcao, const QWidget* widget,
                  QStyleHintReturn* retorno) const override
    {
        if (dica == SH_ToolTip_WakeUpDelay)
            return 600;
        return QProxyStyle::styleHint(dica, opcao, widget, retorno);
    }
};

// O que o sistema tinha antes do primeiro estilo aplicado.
struct TOriginal
{
    QString estilo;
    QPalette paleta;
};

TOriginal& original()
{
    static TOriginal o = [] {
        TOriginal r;
        r.estilo = QApplication::style() ? QApplication::style()->name() : QStringLiteral("fusion");
        r.paleta = QApplication::palette();
        return r;
    }();
    return o;
}

QString g_ativo;
QPointer<QStyle> g_estiloInstalado; // o estilo que instalamos por último
bool g_instaladoEhFusion = false;

void instalarEstilo(const QString& chave, bool ehFusion)
{
    QStyle* base = QStyleFactory::create(chave);
    if (!base)
        base = QStyleFactory::create(QStringLiteral("Fusion"));
    auto* estilo = new TEstiloPrograma(base);
    QApplication::setStyle(estilo);
    g_estiloInstalado = estilo;
    g_instaladoEhFusion = ehFusion;
}

} // namespace

QString TGerenciadorEstilos::NomeEstiloSistema()
{
    return QStringLiteral("Padrão do sistema");
}

QStringList TGerenciadorEstilos::NomesDosEstilos()
{
    QStringList nomes{NomeEstiloSistema()};
    for (const TTema& t : kTemas)
        nomes << QString::fromUtf8(t.nome);
    return nomes;
}

bool TGerenciadorEstilos::Existe(const QString& nome)
{
    return nome == NomeEstiloSistema() || acharTema(nome);
}

QPalette TGerenciadorEstilos::Paleta(const QString& nome)
{
    if (nome == NomeEstiloSistema())
        return original().paleta;
    const TTema* tema = acharTema(nome);
    if (!tema)
        throw EEstiloNaoEncontrado(QStringLiteral("Style '%1' not found").arg(nome).toStdString());
    return montarPaleta(*tema);
}

void TGerenciadorEstilos::Aplicar(const QString& nome)
{
    const QPalette paleta = Paleta(nome); // lança antes de mudar qualquer coisa
    if (nome == g_ativo && g_estiloInstalado && QApplication::style() == g_estiloInstalado.data())
        return;
    original();
    if (nome == NomeEstiloSistema()) {
        instalarEstilo(original().estilo, false);
    } else if (!g_instaladoEhFusion || !g_estiloInstalado || QApplication::style() != g_estiloInstalado.data()) {
        instalarEstilo(QStringLiteral("Fusion"), true);
    }
    QApplication::setPalette(paleta);
    g_ativo = nome;
}

QString TGerenciadorEstilos::Ativo()
{
    return g_ativo;
}
