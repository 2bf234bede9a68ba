#include "printing/u_Relatorio.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "core/u_Relogio.h"
#include "core/u_Valores.h"

namespace {

constexpr double Folga = 0.001; // mm: tolerância das comparações de posição

// Medidas de texto independentes do dispositivo: uma "folha" de 1200 pontos por polegada,
// onde a dica de contorno quase não pesa. A pintura usa as linhas já decididas aqui.
constexpr int ResolucaoMedida = 1200;

const QImage& DispositivoMedida()
{
    static const QImage imagem = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        const int pontosPorMetro = qRound(ResolucaoMedida / 0.0254);
        i.setDotsPerMeterX(pontosPorMetro);
        i.setDotsPerMeterY(pontosPorMetro);
        return i;
    }();
    return imagem;
}

constexpr double MmPorPontoMedida = 25.4 / ResolucaoMedida;

struct TMedidas
{
    explicit TMedidas(const QFont& fonte) : fonte(fonte), metricas(fonte, &DispositivoMedida()) {}

    double alturaLinha() const { return metricas.lineSpacing() * MmPorPontoMedida; }
    double largura(const QString& texto) const { return metricas.horizontalAdvance(texto) * MmPorPontoMedida; }

    // Quebra nas palavras (ou no meio da palavra que não cabe sozinha), respeitando as quebras do texto.
    QStringList quebrar(const QString& texto, double larguraMm) const
    {
        QString t = texto;
        t.replace(QLatin1String("\r\n"), QStringLiteral("\n"));
        t.replace(QLatin1Char('\n'), QChar::LineSeparator);
        QTextLayout layout(t, fonte, &DispositivoMedida());
        QTextOption opcao;
        opcao.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(opcao);
        QStringList linhas;
        layout.beginLayout();
        for (QTextLine linha = layout.createLine(); linha.isValid(); linha = layout.createLine()) {
            linha.setLineWidth(larguraMm / MmPorPontoMedida);
            QString parte = t.mid(linha.textStart(), linha.textLength());
            while (!parte.isEmpty() && (parte.back() == QChar::LineSeparator || parte.back().isSpace()))
                parte.chop(1);
            linhas << parte;
        }
        layout.endLayout();
        return linhas;
    }

    QFont fonte;
    QFontMetricsF metricas;
};

bool FamiliaInstalada(const QString& familia)
{
    return QFontDatabase::hasFamily(familia);
}

// Acerta linhas, bloco e tamanho de um texto. 'crescer': a altura aumenta para caber tudo;
// senão ficam só as linhas que cabem na altura (pelo menos uma).
void ComporTexto(TItemImpresso& item, bool crescer)
{
    TElemento& e = item.elemento;
    const TMedidas medidas(FonteQt(e.fonte));
    const double alturaLinha = medidas.alturaLinha();

    QStringList linhas;
    if (!e.texto.isEmpty()) {
        if (e.quebrarLinhas && !e.ajustarTamanho && e.ret.width() > Folga)
            linhas = medidas.quebrar(e.texto, e.ret.width());
        else {
            QString t = e.texto;
            t.replace(QLatin1String("\r\n"), QStringLiteral("\n"));
            linhas = t.split(QLatin1Char('\n'));
        }
    }

    double larguraBloco = 0;
    for (const QString& l : linhas)
        larguraBloco = std::max(larguraBloco, medidas.largura(l));

    if (e.ajustarTamanho) {
        const double antes = e.ret.width();
        if (e.alinhamento & Qt::AlignRight)
            e.ret.setLeft(e.ret.left() + antes - larguraBloco);
        else if (e.alinhamento & Qt::AlignHCenter)
            e.ret.setLeft(e.ret.left() + (antes - larguraBloco) / 2);
        e.ret.setWidth(larguraBloco);
    }

    const double necessaria = linhas.size() * alturaLinha;
    if (e.ret.height() <= Folga || (crescer && necessaria > e.ret.height() + Folga))
        e.ret.setHeight(necessaria);
    else if (necessaria > e.ret.height() + Folga) {
        const int cabem = std::max(1, int(std::floor(e.ret.height() / alturaLinha + Folga)));
        linhas = linhas.mid(0, cabem);
        larguraBloco = 0;
        for (const QString& l : linhas)
            larguraBloco = std::max(larguraBloco, medidas.largura(l));
    }

    const double alturaBloco = linhas.size() * alturaLinha;
    double topo = e.ret.top();
    if (e.alinhamento & Qt::AlignVCenter)
        topo += (e.ret.height() - alturaBloco) / 2;
    else if (e.alinhamento & Qt::AlignBottom)
        topo = e.ret.bottom() - alturaBloco;
    double esquerda = e.ret.left();
    if (e.alinhamento & Qt::AlignRight)
        esquerda = e.ret.right() - larguraBloco;
    else if (e.alinhamento & Qt::AlignHCenter)
        esquerda += (e.ret.width() - larguraBloco) / 2;

    item.linhas = linhas;
    item.retTexto = QRectF(esquerda, topo, larguraBloco, alturaBloco);
}

// Figura com proporção mantida: centrada no espaço dado.
QRectF RetDaFigura(const QRectF& espaco, const QImage& imagem)
{
    QSizeF tamanho = QSizeF(imagem.size()).scaled(espaco.size(), Qt::KeepAspectRatio);
    return QRectF(espaco.left() + (espaco.width() - tamanho.width()) / 2,
                  espaco.top() + (espaco.height() - tamanho.height()) / 2, tamanho.width(), tamanho.height());
}

struct TBandaComposta
{
    double altura = 0;
    QVector<TItemImpresso> itens; // posições relativas à banda
    QVector<TElemento> originais; // o elemento de cada item antes de composto (para as variáveis)
};

TBandaComposta ComporBanda(const TBanda& banda, TTipoBanda tipo, int linha, int subLinha, double largura,
                           const QColor& fundoAlternado)
{
    TBandaComposta c;
    QVector<TItemImpresso> conteudo;
    QVector<TElemento> originais;
    double baseOriginal = 0;
    double baseComposta = 0;
    for (const TElemento& e : banda.elementos) {
        TItemImpresso item;
        item.banda = tipo;
        item.linha = linha;
        item.subLinha = subLinha;
        item.elemento = e;
        baseOriginal = std::max(baseOriginal, e.ret.bottom());
        switch (e.tipo) {
        case TTipoElemento::Texto:
            ComporTexto(item, banda.crescer);
            break;
        case TTipoElemento::Figura:
            if (e.imagem.isNull() && !e.borda && !e.corFundo.isValid())
                continue; // moldura vazia de figura não aparece no papel
            if (e.manterProporcao && !e.imagem.isNull())
                item.elemento.ret = RetDaFigura(e.ret, e.imagem);
            break;
        case TTipoElemento::Marcacao: {
            const double lado = std::min(e.ret.width(), e.ret.height());
            item.elemento.ret.setSize(QSizeF(lado, lado));
            break;
        }
        case TTipoElemento::Linha:
        case TTipoElemento::Quadro:
            break;
        }
        baseComposta = std::max(baseComposta, item.elemento.ret.bottom());
        conteudo << item;
        originais << e;
    }
    c.altura = banda.altura;
    if (banda.crescer && baseComposta > baseOriginal + Folga)
        c.altura = std::max(banda.altura, baseComposta + std::max(0.0, banda.altura - baseOriginal));

    auto novoItem = [&](TTipoElemento tipoElemento, const QRectF& ret) {
        TItemImpresso item;
        item.banda = tipo;
        item.linha = linha;
        item.subLinha = subLinha;
        item.elemento.tipo = tipoElemento;
        item.elemento.ret = ret;
        item.elemento.espessura = banda.espessuraBordas;
        return item;
    };

    const QColor fundo = fundoAlternado.isValid() ? fundoAlternado : banda.fundo;
    if (fundo.isValid()) {
        TItemImpresso item = novoItem(TTipoElemento::Quadro, QRectF(0, 0, largura, c.altura));
        item.elemento.corFundo = fundo;
        item.fundoDeBanda = true;
        c.itens << item;
        c.originais << item.elemento;
    }
    c.itens << conteudo;
    c.originais << originais;
    if (banda.bordas & TBanda::BordaTopo)
        c.itens << novoItem(TTipoElemento::Linha, QRectF(0, 0, largura, 0));
    if (banda.bordas & TBanda::BordaBase)
        c.itens << novoItem(TTipoElemento::Linha, QRectF(0, c.altura, largura, 0));
    if (banda.bordas & TBanda::BordaEsquerda)
        c.itens << novoItem(TTipoElemento::Linha, QRectF(0, 0, 0, c.altura));
    if (banda.bordas & TBanda::BordaDireita)
        c.itens << novoItem(TTipoElemento::Linha, QRectF(largura, 0, 0, c.altura));
    for (int i = int(c.originais.size()); i < c.itens.size(); ++i)
        c.originais << c.itens.at(i).elemento;
    return c;
}

QString TrocarVariaveis(QString modelo, int pagina, int paginas, const QDateTime& momento)
{
    const QString data = TextoDeData(momento.date());
    const QString hora = momento.time().toString(QStringLiteral("HH:mm:ss"));
    modelo.replace(QLatin1String("[Paginas]"), QString::number(paginas));
    modelo.replace(QLatin1String("[Pagina]"), QString::number(pagina));
    modelo.replace(QLatin1String("[DataHora]"), data + QLatin1Char(' ') + hora);
    modelo.replace(QLatin1String("[Data]"), data);
    modelo.replace(QLatin1String("[Hora]"), hora);
    return modelo;
}

// Paginação de um relatório; acrescenta as páginas em 'paginas'.
class TPaginador
{
public:
    TPaginador(const TRelatorio& rel, int indice, QVector<TPagina>& paginas)
        : m_rel(rel), m_indice(indice), m_paginas(paginas), m_primeira(paginas.size())
    {
    }

    void executar()
    {
        novaPagina();
        if (m_rel.titulo)
            colocar(*m_rel.titulo, TTipoBanda::Titulo);
        if (m_rel.cabecalho)
            colocar(*m_rel.cabecalho, TTipoBanda::Cabecalho, -1, -1, QColor(), false);
        if (m_rel.detalhe) {
            const int cores = int(m_rel.fundosAlternados.size());
            for (int i = 0; i < m_rel.quantidadeLinhas; ++i) {
                colocar(m_rel.detalhe(i), TTipoBanda::Detalhe, i, -1,
                        cores > 0 ? m_rel.fundosAlternados.at(i % cores) : QColor());
                if (m_rel.subDetalhe) {
                    const QVector<TBanda> subs = m_rel.subDetalhe(i);
                    for (int s = 0; s < subs.size(); ++s)
                        colocar(subs.at(s), TTipoBanda::SubDetalhe, i, s);
                }
            }
        }
        if (m_rel.sumario)
            colocar(*m_rel.sumario, TTipoBanda::Sumario);
        fecharPagina();
        trocarVariaveis();
        // o fundo de uma banda não pode cobrir a linha de baixo da anterior
        for (int i = m_primeira; i < m_paginas.size(); ++i) {
            auto& itens = m_paginas[i].itens;
            std::stable_partition(itens.begin(), itens.end(),
                                  [](const TItemImpresso& item) { return item.fundoDeBanda; });
        }
    }

private:
    struct TVariavel
    {
        int pagina; // índice em m_paginas
        int item;
        TElemento original; // já na posição absoluta
    };

    TPagina& atual() { return m_paginas.last(); }

    void novaPagina()
    {
        TPagina p;
        p.relatorio = m_indice;
        p.numero = int(m_paginas.size()) - m_primeira + 1;
        p.papel = m_rel.papel;
        p.paisagem = m_rel.paisagem;
        m_paginas << p;
        m_y = m_rel.margens.top();
        m_corpoVazio = true;
        m_limite = m_rel.tamanhoFolha().height() - m_rel.margens.bottom();
        if (m_rel.rodape)
            m_limite -= compor(*m_rel.rodape, TTipoBanda::Rodape, -1, -1, QColor()).altura;
    }

    void fecharPagina()
    {
        if (!m_rel.rodape)
            return;
        const TBandaComposta c = compor(*m_rel.rodape, TTipoBanda::Rodape, -1, -1, QColor());
        acrescentar(c, m_rel.tamanhoFolha().height() - m_rel.margens.bottom() - c.altura, false);
    }

    TBandaComposta compor(const TBanda& banda, TTipoBanda tipo, int linha, int subLinha, const QColor& fundo)
    {
        return ComporBanda(banda, tipo, linha, subLinha, m_rel.larguraUtil(), fundo);
    }

    // 'corpo': banda que conta como conteúdo da página (o cabeçalho de colunas sozinho não conta).
    void colocar(const TBanda& banda, TTipoBanda tipo, int linha = -1, int subLinha = -1,
                 const QColor& fundo = QColor(), bool corpo = true)
    {
        const TBandaComposta c = compor(banda, tipo, linha, subLinha, fundo);
        // Banda maior que a página inteira vai assim mesmo, para não repetir páginas sem fim.
        if (corpo && !m_corpoVazio && m_y + c.altura > m_limite + Folga) {
            fecharPagina();
            novaPagina();
            if (m_rel.cabecalho)
                acrescentar(compor(*m_rel.cabecalho, TTipoBanda::Cabecalho, -1, -1, QColor()), m_y);
        }
        acrescentar(c, m_y);
        if (corpo)
            m_corpoVazio = false;
    }

    // 'avancar': a banda ocupa o espaço (o rodapé fica no pé, fora do fluxo).
    void acrescentar(const TBandaComposta& c, double y, bool avancar = true)
    {
        const QPointF origem(m_rel.margens.left(), y);
        TPagina& p = atual();
        for (int i = 0; i < c.itens.size(); ++i) {
            TItemImpresso item = c.itens.at(i);
            item.relatorio = m_indice;
            item.paginaDoRelatorio = p.numero;
            item.pagina = int(m_paginas.size());
            item.elemento.ret.translate(origem);
            if (item.tipo() == TTipoElemento::Texto)
                item.retTexto.translate(origem);
            if (item.elemento.variaveis) {
                // recomposto no fim com a altura que já ganhou na banda
                TElemento original = c.originais.at(i);
                original.ret.translate(origem);
                original.ret.setHeight(std::max(original.ret.height(), item.elemento.ret.height()));
                m_variaveis << TVariavel{int(m_paginas.size()) - 1, int(p.itens.size()), original};
            }
            p.itens << item;
        }
        if (avancar)
            m_y = y + c.altura;
    }

    // Número de páginas só se sabe no fim; o texto é recomposto no mesmo lugar.
    void trocarVariaveis()
    {
        const int total = int(m_paginas.size()) - m_primeira;
        const QDateTime momento = Agora();
        for (const TVariavel& v : m_variaveis) {
            TItemImpresso& item = m_paginas[v.pagina].itens[v.item];
            item.elemento = v.original;
            item.elemento.texto = TrocarVariaveis(v.original.texto, item.paginaDoRelatorio, total, momento);
            ComporTexto(item, false);
        }
    }

    const TRelatorio& m_rel;
    const int m_indice;
    QVector<TPagina>& m_paginas;
    const int m_primeira;
    double m_y = 0;
    double m_limite = 0;
    bool m_corpoVazio = true;
    QVector<TVariavel> m_variaveis;
};

// Conversão de mm da folha para pontos do dispositivo.
struct TConversor
{
    double fx = 1, fy = 1;
    QPointF origem; // mm: canto da área de pintura na folha

    QPointF ponto(const QPointF& mm) const { return QPointF((mm.x() - origem.x()) * fx, (mm.y() - origem.y()) * fy); }
    QRectF ret(const QRectF& mm) const { return QRectF(ponto(mm.topLeft()), ponto(mm.bottomRight())); }
    double traco(double mm) const { return std::max(1.0, mm * fx); }
};

QPageLayout LayoutDa(const TPagina& pagina)
{
    const QPageSize tamanho(pagina.papel, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(tamanho, pagina.paisagem ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

void DesenharMoldura(QPainter& p, const TElemento& e, const TConversor& c)
{
    const QRectF r = c.ret(e.ret);
    if (e.corFundo.isValid())
        p.fillRect(r, e.corFundo);
    if (e.borda) {
        p.setPen(QPen(e.corLinha, c.traco(e.espessura), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
}

void DesenharItem(QPainter& p, const TItemImpresso& item, const TConversor& c)
{
    const TElemento& e = item.elemento;
    switch (e.tipo) {
    case TTipoElemento::Linha:
        p.setPen(QPen(e.corLinha, c.traco(e.espessura), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(c.ponto(e.ret.topLeft()), c.ponto(e.ret.bottomRight()));
        break;
    case TTipoElemento::Quadro:
        DesenharMoldura(p, e, c);
        break;
    case TTipoElemento::Figura:
        if (e.corFundo.isValid())
            p.fillRect(c.ret(e.ret), e.corFundo);
        if (!e.imagem.isNull())
            p.drawImage(c.ret(e.ret), e.imagem);
        if (e.borda) {
            TElemento moldura = e;
            moldura.corFundo = QColor();
            DesenharMoldura(p, moldura, c);
        }
        break;
    case TTipoElemento::Marcacao: {
        TElemento caixa = e;
        caixa.borda = true;
        DesenharMoldura(p, caixa, c);
        if (!e.marcado)
            break;
        const QRectF r = c.ret(e.ret);
        if (e.marcaXis) {
            const double m = r.width() * 0.2;
            p.setPen(QPen(e.corLinha, c.traco(e.espessura * 1.5), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(r.topLeft() + QPointF(m, m), r.bottomRight() - QPointF(m, m));
            p.drawLine(r.topRight() + QPointF(-m, m), r.bottomLeft() + QPointF(m, -m));
        } else {
            // DejaVu tem o sinal de visto; a altura da letra acompanha a caixa
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPointSizeF(e.ret.height() * 0.85 / 25.4 * 72);
            p.setFont(QFont(f, p.device()));
            p.setPen(e.corLinha);
            p.drawText(r, Qt::AlignCenter | Qt::TextDontClip, QStringLiteral("✓"));
        }
        break;
    }
    case TTipoElemento::Texto: {
        DesenharMoldura(p, e, c);
        if (item.linhas.isEmpty())
            break;
        p.setFont(QFont(FonteQt(e.fonte), p.device()));
        p.setPen(e.fonte.cor);
        const double alturaLinha = item.retTexto.height() / item.linhas.size();
        const Qt::Alignment horizontal = e.alinhamento & Qt::AlignHorizontal_Mask;
        for (int i = 0; i < item.linhas.size(); ++i) {
            const QRectF mm(item.retTexto.left(), item.retTexto.top() + i * alturaLinha, item.retTexto.width(),
                            alturaLinha);
            p.drawText(c.ret(mm), int(horizontal | Qt::AlignTop) | Qt::TextDontClip | Qt::TextSingleLine,
                       item.linhas.at(i));
        }
        break;
    }
    }
}

TElemento& Acrescentar(TBanda& banda, TElemento e)
{
    banda.elementos << std::move(e);
    return banda.elementos.last();
}

} // namespace

QColor CorPrata()
{
    return CorDoValor(12632256);
}

QColor CorDoValor(quint32 valorBgr)
{
    return QColor(int(valorBgr & 0xFF), int((valorBgr >> 8) & 0xFF), int((valorBgr >> 16) & 0xFF));
}

QString FamiliaEquivalente(const QString& familia)
{
    const QString f = familia.trimmed().toLower();
    if (f == QLatin1String("arial narrow"))
        return QStringLiteral("Liberation Sans Narrow");
    if (f == QLatin1String("times new roman") || f == QLatin1String("times"))
        return QStringLiteral("Liberation Serif");
    if (f == QLatin1String("courier new") || f == QLatin1String("courier"))
        return QStringLiteral("Liberation Mono");
    if (f == QLatin1String("wingdings") || f == QLatin1String("symbol"))
        return QStringLiteral("DejaVu Sans");
    if (f.startsWith(QLatin1String("liberation")) || f.startsWith(QLatin1String("dejavu")))
        return familia.trimmed();
    // Arial, Arial Black, Tahoma, Verdana, MS Sans Serif, Calibri, Candara, Trebuchet MS...
    return QStringLiteral("Liberation Sans");
}

QFont FonteQt(const TFonte& fonte)
{
    QString familia = FamiliaEquivalente(fonte.familia);
    int estreitar = 100;
    if (familia == QLatin1String("Liberation Sans Narrow") && !FamiliaInstalada(familia)) {
        // a Narrow tem 82% da largura da normal
        familia = QStringLiteral("Liberation Sans");
        estreitar = 82;
    }
    QFont f(familia);
    f.setPointSizeF(fonte.pontos > 0 ? fonte.pontos : 8);
    const bool preta = fonte.familia.trimmed().compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0;
    f.setWeight(preta ? QFont::Black : fonte.negrito ? QFont::Bold : QFont::Normal);
    f.setItalic(fonte.italico);
    f.setUnderline(fonte.sublinhado);
    f.setStretch(estreitar);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

TElemento& TBanda::texto(double x, double y, double largura, double alturaTexto, const QString& texto,
                         const TFonte& fonte, Qt::Alignment alinhamento)
{
    TElemento e;
    e.tipo = TTipoElemento::Texto;
    e.ret = QRectF(x, y, largura, alturaTexto);
    e.texto = texto;
    e.fonte = fonte;
    if (!(alinhamento & Qt::AlignVertical_Mask))
        alinhamento |= Qt::AlignTop;
    e.alinhamento = alinhamento;
    return Acrescentar(*this, e);
}

TElemento& TBanda::memo(double x, double y, double largura, double alturaTexto, const QString& texto,
                        const TFonte& fonte, Qt::Alignment alinhamento)
{
    TElemento& e = this->texto(x, y, largura, alturaTexto, texto, fonte, alinhamento);
    e.quebrarLinhas = true;
    return e;
}

TElemento& TBanda::sistema(double x, double y, double largura, double alturaTexto, const QString& modelo,
                           const TFonte& fonte, Qt::Alignment alinhamento)
{
    TElemento& e = this->texto(x, y, largura, alturaTexto, modelo, fonte, alinhamento);
    e.variaveis = true;
    return e;
}

TElemento& TBanda::linhaHorizontal(double x, double y, double largura, double espessura)
{
    TElemento e;
    e.tipo = TTipoElemento::Linha;
    e.ret = QRectF(x, y, largura, 0);
    e.espessura = espessura;
    return Acrescentar(*this, e);
}

TElemento& TBanda::linhaVertical(double x, double y, double alturaLinha, double espessura)
{
    TElemento e;
    e.tipo = TTipoElemento::Linha;
    e.ret = QRectF(x, y, 0, alturaLinha);
    e.espessura = espessura;
    return Acrescentar(*this, e);
}

TElemento& TBanda::quadro(const QRectF& ret, const QColor& fundoQuadro, bool borda, double espessura)
{
    TElemento e;
    e.tipo = TTipoElemento::Quadro;
    e.ret = ret;
    e.corFundo = fundoQuadro;
    e.borda = borda;
    e.espessura = espessura;
    return Acrescentar(*this, e);
}

TElemento& TBanda::figura(const QRectF& ret, const QImage& imagem, bool manterProporcao)
{
    TElemento e;
    e.tipo = TTipoElemento::Figura;
    e.ret = ret;
    e.imagem = imagem;
    e.manterProporcao = manterProporcao;
    return Acrescentar(*this, e);
}

TElemento& TBanda::marcacao(const QRectF& ret, bool marcado, bool marcaXis)
{
    TElemento e;
    e.tipo = TTipoElemento::Marcacao;
    e.ret = ret;
    e.marcado = marcado;
    e.marcaXis = marcaXis;
    e.borda = true;
    return Acrescentar(*this, e);
}

void TRelatorio::definirDetalhe(int linhas, std::function<TBanda(int)> construir)
{
    quantidadeLinhas = std::max(0, linhas);
    detalhe = std::move(construir);
}

QVector<TPagina> TRelatorio::paginar() const
{
    return Paginar({*this});
}

QVector<TPagina> Paginar(const QVector<TRelatorio>& relatorios)
{
    QVector<TPagina> paginas;
    for (int i = 0; i < relatorios.size(); ++i)
        TPaginador(relatorios.at(i), i, paginas).executar();
    return paginas;
}

QVector<TItemImpresso> ItensDe(const QVector<TPagina>& paginas)
{
    QVector<TItemImpresso> itens;
    for (const TPagina& p : paginas)
        itens << p.itens;
    return itens;
}

bool Desenhar(const QVector<TPagina>& paginas, QPagedPaintDevice& dispositivo)
{
    if (paginas.isEmpty())
        return false;
    dispositivo.setPageLayout(LayoutDa(paginas.first()));
    QPainter p;
    if (!p.begin(&dispositivo))
        return false;
    for (int i = 0; i < paginas.size(); ++i) {
        const TPagina& pagina = paginas.at(i);
        if (i > 0) {
            // vale para a página seguinte: cada relatório do composto tem o seu papel
            // (a visualização do Qt não deixa trocar no meio: lá fica o papel da primeira)
            const QPageLayout layout = LayoutDa(pagina);
            if (!layout.isEquivalentTo(dispositivo.pageLayout()))
                dispositivo.setPageLayout(layout);
            if (!dispositivo.newPage())
                return false;
        }
        TConversor c;
        c.fx = p.device()->logicalDpiX() / 25.4;
        c.fy = p.device()->logicalDpiY() / 25.4;
        c.origem = dispositivo.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const TItemImpresso& item : pagina.itens)
            DesenharItem(p, item, c);
        p.restore();
    }
    return p.end();
}
