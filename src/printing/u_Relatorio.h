#pragma once
// Gerador de relatórios em bandas, em milímetros.
//
// Um TRelatorio descreve papel, orientação, margens e bandas (título, cabeçalho de colunas, detalhe
// por linha de dados, subdetalhe por linha do detalhe, sumário e rodapé de página). Paginar() monta
// as páginas como uma lista de itens impressos (texto, linha, quadro, figura, caixa de marcação) com
// a posição em mm a partir do canto superior esquerdo da folha; Desenhar() pinta essas mesmas páginas
// em qualquer QPagedPaintDevice. Quem confere o que sai no papel (testes) olha os itens.
//
// Exemplo:
//   TRelatorio rel;
//   rel.nome = "Vendas";
//   rel.margens = QMarginsF(10, 10, 10, 10);
//   TBanda cab(8);
//   cab.texto(0, 1, 60, 5, "Cliente", TFonte("Arial Narrow", 10, TFonte::Negrito));
//   rel.cabecalho = cab;
//   rel.definirDetalhe(linhas, [](const QVariantMap& l) {
//       TBanda b(6);
//       b.texto(0, 1, 60, 5, l.value("CLIENTE").toString());
//       b.texto(150, 1, 40, 5, FormatarValor(l.value("VALOR").toDouble()), TFonte(), Qt::AlignRight);
//       return b;
//   });
//   rel.fundosAlternados = {CorPrata(), Qt::white};
//   ImprimirEmPdf({rel}, "/tmp/vendas.pdf");   // ou ImprimirNaImpressora / Visualizar (u_DestinoImpressao.h)
#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>
#include <type_traits>

class QFont;
class QPagedPaintDevice;

// Posições desenhadas a 96 pixels por polegada, convertidas para mm.
constexpr double MmDePixels(double pixels)
{
    return pixels * 25.4 / 96.0;
}

inline const QSizeF PapelA4{210.0, 297.0};

// Cinza claro das linhas alternadas (valor de cor 12632256).
QColor CorPrata();
// Cor no formato inteiro do desenho original ($00BBGGRR).
QColor CorDoValor(quint32 valorBgr);

struct TFonte
{
    enum Estilo
    {
        Normal = 0,
        Negrito = 1,
        Italico = 2,
        Sublinhado = 4
    };

    TFonte(const QString& familia = QStringLiteral("Arial"), double pontos = 8, int estilo = Normal,
           const QColor& cor = Qt::black)
        : familia(familia), pontos(pontos), negrito(estilo & Negrito), italico(estilo & Italico),
          sublinhado(estilo & Sublinhado), cor(cor)
    {
    }

    QString familia; // nome do desenho (Arial, Times New Roman, ...); FonteQt troca pela equivalente
    double pontos;
    bool negrito;
    bool italico;
    bool sublinhado;
    QColor cor;
};

// Família instalada que substitui a do desenho: Arial/Tahoma/Verdana -> Liberation Sans,
// Arial Narrow -> Liberation Sans Narrow, Times New Roman -> Liberation Serif, Courier New -> Liberation Mono.
QString FamiliaEquivalente(const QString& familia);
// A fonte do Qt para imprimir (família equivalente; Arial Black sai em negrito; sem a Narrow instalada,
// Liberation Sans condensada).
QFont FonteQt(const TFonte& fonte);

enum class TTipoBanda
{
    Titulo,     // uma vez, no começo da primeira página
    Cabecalho,  // cabeçalho de colunas, em toda página
    Detalhe,    // uma por linha de dados
    SubDetalhe, // as do subdetalhe, depois de cada detalhe
    Sumario,    // uma vez, no fim
    Rodape      // rodapé de página, no pé de toda página
};

enum class TTipoElemento
{
    Texto,
    Linha,  // de ret.topLeft() a ret.bottomRight(): altura 0 horizontal, largura 0 vertical
    Quadro, // retângulo com borda e/ou fundo (as caixas cinzas)
    Figura,
    Marcacao // caixa de marcação
};

struct TElemento
{
    TTipoElemento tipo = TTipoElemento::Texto;
    QRectF ret; // mm, a partir do canto superior esquerdo da banda (a banda começa na margem esquerda)

    // Texto
    QString texto;
    TFonte fonte;
    Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignTop;
    bool quebrarLinhas = false;  // quebra nas palavras dentro da largura
    bool ajustarTamanho = false; // largura passa a ser a do texto, mantendo o alinhamento
    // O texto traz [Pagina], [Paginas], [Data], [Hora] ou [DataHora], trocados ao paginar.
    // Só nesses elementos: dados do usuário nunca são interpretados.
    bool variaveis = false;

    // Traço das linhas e bordas
    double espessura = 0.2; // mm
    QColor corLinha = Qt::black;
    bool borda = false; // texto, figura, quadro: moldura no ret
    QColor corFundo;    // inválida: transparente

    // Figura
    QImage imagem;
    bool manterProporcao = false; // false: estica no ret

    // Caixa de marcação
    bool marcado = false;
    bool marcaXis = false; // false: "✓"; true: um X
};

class TBanda
{
public:
    enum Borda
    {
        SemBorda = 0,
        BordaTopo = 1,
        BordaBase = 2,
        BordaEsquerda = 4,
        BordaDireita = 8,
        BordaTodas = 15
    };

    explicit TBanda(double altura = 0) : altura(altura) {}

    double altura;        // mm
    bool crescer = false; // textos de várias linhas aumentam a banda em vez de serem cortados
    QColor fundo;         // inválida: transparente (as linhas alternadas do detalhe têm preferência)
    int bordas = SemBorda;
    double espessuraBordas = 0.2;
    QVector<TElemento> elementos;

    // Atalhos para montar a banda. A referência devolvida vale até o próximo elemento acrescentado.
    TElemento& texto(double x, double y, double largura, double altura, const QString& texto,
                     const TFonte& fonte = TFonte(), Qt::Alignment alinhamento = Qt::AlignLeft);
    // Texto com quebra de linhas na largura (memorandos).
    TElemento& memo(double x, double y, double largura, double altura, const QString& texto,
                    const TFonte& fonte = TFonte(), Qt::Alignment alinhamento = Qt::AlignLeft);
    // Texto com [Pagina], [Paginas], [Data], [Hora], [DataHora].
    TElemento& sistema(double x, double y, double largura, double altura, const QString& modelo,
                       const TFonte& fonte = TFonte(), Qt::Alignment alinhamento = Qt::AlignLeft);
    TElemento& linhaHorizontal(double x, double y, double largura, double espessura = 0.2);
    TElemento& linhaVertical(double x, double y, double altura, double espessura = 0.2);
    TElemento& quadro(const QRectF& ret, const QColor& fundo = QColor(), bool borda = true, double espessura = 0.2);
    TElemento& figura(const QRectF& ret, const QImage& imagem, bool manterProporcao = false);
    TElemento& marcacao(const QRectF& ret, bool marcado, bool marcaXis = false);
};

// Um elemento como saiu no papel.
struct TItemImpresso
{
    int pagina = 0;            // no trabalho inteiro, a partir de 1
    int relatorio = 0;         // índice no relatório composto
    int paginaDoRelatorio = 0; // a partir de 1
    TTipoBanda banda = TTipoBanda::Titulo;
    int linha = -1;            // linha do detalhe (também nos seus subdetalhes); -1 nas outras bandas
    int subLinha = -1;         // índice da banda de subdetalhe
    bool fundoDeBanda = false; // o quadro de fundo da banda (pintado antes de tudo na página)
    TElemento elemento;        // ret absoluto em mm a partir do canto da folha; texto com as variáveis trocadas
    QStringList linhas;        // texto: as linhas como saem no papel (depois da quebra e do corte)
    QRectF retTexto;           // texto: o bloco ocupado pelas linhas (mm, absoluto)

    QString texto() const { return linhas.join(QLatin1Char('\n')); }
    TTipoElemento tipo() const { return elemento.tipo; }
    QRectF ret() const { return elemento.ret; }
};

struct TPagina
{
    int relatorio = 0;
    int numero = 0; // no relatório, a partir de 1
    QSizeF papel;   // mm, em retrato
    bool paisagem = false;
    QVector<TItemImpresso> itens;

    QSizeF tamanho() const { return paisagem ? papel.transposed() : papel; } // mm, como a folha é vista
};

struct TRelatorio
{
    QString nome;
    QSizeF papel = PapelA4; // mm, em retrato (largura x altura)
    bool paisagem = false;
    QMarginsF margens{10, 10, 10, 10}; // mm: esquerda, topo, direita, base

    std::optional<TBanda> titulo;
    std::optional<TBanda> cabecalho;
    std::optional<TBanda> sumario;
    std::optional<TBanda> rodape;

    // Detalhe: uma banda por linha, construída na hora de paginar.
    int quantidadeLinhas = 0;
    std::function<TBanda(int linha)> detalhe;
    // Subdetalhe: as bandas que seguem o detalhe da linha (vazio: nenhuma).
    std::function<QVector<TBanda>(int linha)> subDetalhe;
    // Fundo do detalhe linha a linha: a linha i recebe fundosAlternados[i % n] (ex.: {CorPrata(), Qt::white}).
    QVector<QColor> fundosAlternados;

    void definirDetalhe(int linhas, std::function<TBanda(int linha)> construir);
    // Para listas de registros (QVector<QVariantMap>, QVector<QSqlRecord>, ...): guarda uma cópia.
    template <class Lista, class Construtor, class = std::enable_if_t<!std::is_arithmetic_v<Lista>>>
    void definirDetalhe(const Lista& linhas, Construtor construir)
    {
        quantidadeLinhas = int(linhas.size());
        detalhe = [linhas, construir](int i) { return construir(linhas.at(i)); };
    }

    QSizeF tamanhoFolha() const { return paisagem ? papel.transposed() : papel; }
    double larguraUtil() const { return tamanhoFolha().width() - margens.left() - margens.right(); }

    QVector<TPagina> paginar() const;
};

// Um relatório composto é a lista dos relatórios, impressos um depois do outro no mesmo trabalho,
// cada um com o seu papel.
QVector<TPagina> Paginar(const QVector<TRelatorio>& relatorios);
// Todos os itens das páginas, na ordem de impressão.
QVector<TItemImpresso> ItensDe(const QVector<TPagina>& paginas);

// Pinta as páginas no dispositivo (QPrinter, QPdfWriter), acertando papel e orientação de cada uma.
// O dispositivo não pode estar com um QPainter ativo. false se não conseguiu começar a pintar.
bool Desenhar(const QVector<TPagina>& paginas, QPagedPaintDevice& dispositivo);
