// Gerador de relatórios: paginação, posições, fundos alternados, composto, PDF e destino de impressão.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/u_Relogio.h"
#include "printing/u_DestinoImpressao.h"
#include "printing/u_Relatorio.h"
#include "support/suporte.h"

namespace {

constexpr double Tol = 0.01; // mm

// A4 retrato, margens de 10 mm: título 20, cabeçalho 8, detalhe 'alturaDetalhe', sumário 10, rodapé 8.
// O corpo vai até 279 mm (rodapé de 279 a 287): 40 linhas de 6 mm na primeira página, 43 nas outras.
TRelatorio RelatorioDeLinhas(int linhas, double alturaDetalhe = 6)
{
    TRelatorio rel;
    rel.nome = QStringLiteral("Teste");
    rel.margens = QMarginsF(10, 10, 10, 10);
    TBanda titulo(20);
    titulo.texto(0, 2, 190, 8, QStringLiteral("Título do relatório"),
                 TFonte(QStringLiteral("Arial"), 14, TFonte::Negrito), Qt::AlignHCenter);
    rel.titulo = titulo;
    TBanda cabecalho(8);
    cabecalho.bordas = TBanda::BordaTopo | TBanda::BordaBase;
    cabecalho.texto(0, 1, 60, 5, QStringLiteral("Cliente"),
                    TFonte(QStringLiteral("Arial Narrow"), 10, TFonte::Negrito));
    cabecalho.texto(150, 1, 40, 5, QStringLiteral("Valor"), TFonte(QStringLiteral("Arial Narrow"), 10, TFonte::Negrito),
                    Qt::AlignRight);
    rel.cabecalho = cabecalho;
    rel.definirDetalhe(linhas, [alturaDetalhe](int i) {
        TBanda b(alturaDetalhe);
        b.texto(0, 0.5, 60, 5, QStringLiteral("Linha %1").arg(i + 1));
        b.texto(150, 0.5, 40, 5, QStringLiteral("%1,00").arg(i + 1), TFonte(), Qt::AlignRight);
        return b;
    });
    TBanda sumario(10);
    sumario.texto(0, 1, 40, 6, QStringLiteral("Total"), TFonte(QStringLiteral("Arial"), 10, TFonte::Negrito));
    rel.sumario = sumario;
    TBanda rodape(8);
    rodape.sistema(0, 1, 190, 5, QStringLiteral("Página [Pagina] de [Paginas]"), TFonte(), Qt::AlignRight);
    rel.rodape = rodape;
    return rel;
}

QVector<TItemImpresso> Itens(const QVector<TPagina>& paginas, TTipoBanda banda, TTipoElemento tipo)
{
    QVector<TItemImpresso> lista;
    for (const TItemImpresso& i : ItensDe(paginas))
        if (i.banda == banda && i.tipo() == tipo)
            lista << i;
    return lista;
}

TItemImpresso ItemComTexto(const QVector<TPagina>& paginas, const QString& texto)
{
    for (const TItemImpresso& i : ItensDe(paginas))
        if (i.tipo() == TTipoElemento::Texto && i.texto() == texto)
            return i;
    return TItemImpresso();
}

QString Executar(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PaginasDoPdf(const QString& caminho)
{
    const QRegularExpression re(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const auto m = re.match(Executar(QStringLiteral("pdfinfo"), {caminho}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Tamanho de cada página em pontos, como o pdfinfo lê.
QVector<QSizeF> TamanhosDoPdf(const QString& caminho)
{
    const QString saida = Executar(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                               QStringLiteral("-l"), QStringLiteral("9999"), caminho});
    const QRegularExpression re(QStringLiteral("Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    QVector<QSizeF> tamanhos;
    for (auto it = re.globalMatch(saida); it.hasNext();) {
        const auto m = it.next();
        tamanhos << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return tamanhos;
}

QString TextoDaPagina(const QString& caminho, int pagina)
{
    const QString n = QString::number(pagina);
    return Executar(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), n,
                                                  QStringLiteral("-l"), n, caminho, QStringLiteral("-")});
}

double Pontos(double mm)
{
    return mm / 25.4 * 72;
}

} // namespace

class TesteRelatorio : public QObject
{
    Q_OBJECT

private slots:
    void paginacao_data();
    void paginacao();
    void fundosAlternados();
    void subDetalhe();
    void alinhamento_data();
    void alinhamento();
    void quebraDeLinhas();
    void bandaQueCresce();
    void marcacaoEFigura();
    void variaveisSoNosTextosDoSistema();
    void familiasEquivalentes_data();
    void familiasEquivalentes();
    void compostoComDoisPapeis();
    void tamanhoDoPapelNoPdf_data();
    void tamanhoDoPapelNoPdf();
    void pdfEmPastaInexistente();
    void escolherImpressora_data();
    void escolherImpressora();
    void imprimirNaImpressora_data();
    void imprimirNaImpressora();
    void visualizacaoReal();
    void amostraEmPng();
};

void TesteRelatorio::paginacao_data()
{
    QTest::addColumn<int>("linhas");
    QTest::addColumn<double>("alturaDetalhe");
    QTest::addColumn<int>("paginas");
    QTest::addColumn<int>("linhasNaPrimeira");

    QTest::newRow("sem linhas: título, cabeçalho e sumário") << 0 << 6.0 << 1 << 0;
    QTest::newRow("uma linha") << 1 << 6.0 << 1 << 1;
    QTest::newRow("sumário ainda cabe") << 38 << 6.0 << 1 << 38;
    QTest::newRow("sumário vai sozinho para a segunda") << 39 << 6.0 << 2 << 39;
    QTest::newRow("primeira cheia") << 40 << 6.0 << 2 << 40;
    QTest::newRow("uma na segunda") << 41 << 6.0 << 2 << 40;
    QTest::newRow("segunda com sumário") << 81 << 6.0 << 2 << 40;
    QTest::newRow("sumário não cabe na segunda") << 82 << 6.0 << 3 << 40;
    QTest::newRow("segunda cheia") << 83 << 6.0 << 3 << 40;
    QTest::newRow("terceira") << 84 << 6.0 << 3 << 40;
    // cada banda numa página, sem repetir páginas sem fim
    QTest::newRow("banda maior que a página") << 3 << 300.0 << 5 << 0;
}

void TesteRelatorio::paginacao()
{
    QFETCH(int, linhas);
    QFETCH(double, alturaDetalhe);
    QFETCH(int, paginas);
    QFETCH(int, linhasNaPrimeira);

    const QVector<TPagina> pags = RelatorioDeLinhas(linhas, alturaDetalhe).paginar();
    QCOMPARE(pags.size(), paginas);

    // título só uma vez, no topo da primeira
    const auto titulos = Itens(pags, TTipoBanda::Titulo, TTipoElemento::Texto);
    QCOMPARE(titulos.size(), 1);
    QCOMPARE(titulos.first().pagina, 1);
    QCOMPARE(titulos.first().ret().top(), 12.0);

    // cabeçalho em toda página: abaixo do título na primeira, no topo das outras
    const auto cabecalhos = Itens(pags, TTipoBanda::Cabecalho, TTipoElemento::Texto);
    QCOMPARE(cabecalhos.size(), 2 * paginas);
    for (int p = 1; p <= paginas; ++p) {
        const TItemImpresso cab = cabecalhos.at(2 * (p - 1));
        QCOMPARE(cab.pagina, p);
        QCOMPARE(cab.texto(), QStringLiteral("Cliente"));
        QVERIFY(qAbs(cab.ret().top() - (p == 1 ? 31.0 : 11.0)) < Tol);
    }

    // rodapé no pé de toda página, com o número da página
    const auto rodapes = Itens(pags, TTipoBanda::Rodape, TTipoElemento::Texto);
    QCOMPARE(rodapes.size(), paginas);
    for (int p = 1; p <= paginas; ++p) {
        QCOMPARE(rodapes.at(p - 1).pagina, p);
        QCOMPARE(rodapes.at(p - 1).texto(), QStringLiteral("Página %1 de %2").arg(p).arg(paginas));
        QVERIFY(qAbs(rodapes.at(p - 1).ret().top() - 280.0) < Tol);
    }

    // cada linha uma vez, em ordem; nenhuma invade o rodapé se cabia numa página
    const auto detalhes = Itens(pags, TTipoBanda::Detalhe, TTipoElemento::Texto);
    QCOMPARE(detalhes.size(), 2 * linhas);
    int naPrimeira = 0;
    for (int i = 0; i < linhas; ++i) {
        const TItemImpresso d = detalhes.at(2 * i);
        QCOMPARE(d.texto(), QStringLiteral("Linha %1").arg(i + 1));
        QCOMPARE(d.linha, i);
        naPrimeira += d.pagina == 1;
        if (i > 0) {
            const TItemImpresso anterior = detalhes.at(2 * (i - 1));
            QVERIFY(d.pagina > anterior.pagina || d.ret().top() > anterior.ret().top());
            QVERIFY(d.pagina <= anterior.pagina + 1);
        }
        if (alturaDetalhe < 200)
            QVERIFY2(d.ret().top() - 0.5 + alturaDetalhe <= 279.0 + Tol, qPrintable(d.texto()));
    }
    QCOMPARE(naPrimeira, linhasNaPrimeira);

    // sumário uma vez, na última página, depois da última linha
    const auto sumarios = Itens(pags, TTipoBanda::Sumario, TTipoElemento::Texto);
    QCOMPARE(sumarios.size(), 1);
    QCOMPARE(sumarios.first().pagina, paginas);
    QCOMPARE(sumarios.first().texto(), QStringLiteral("Total"));
    if (linhas > 0 && detalhes.last().pagina == paginas)
        QVERIFY(sumarios.first().ret().top() > detalhes.last().ret().top());
}

void TesteRelatorio::fundosAlternados()
{
    TRelatorio rel = RelatorioDeLinhas(42);
    rel.fundosAlternados = {CorPrata(), QColor(Qt::white)};
    const QVector<TPagina> pags = rel.paginar();
    QCOMPARE(CorPrata(), QColor(192, 192, 192));

    const auto fundos = Itens(pags, TTipoBanda::Detalhe, TTipoElemento::Quadro);
    QCOMPARE(fundos.size(), 42);
    const auto textos = Itens(pags, TTipoBanda::Detalhe, TTipoElemento::Texto);
    for (int i = 0; i < 42; ++i) {
        const TItemImpresso f = fundos.at(i);
        QCOMPARE(f.linha, i);
        // a alternância segue a linha, também depois da quebra de página (a 41ª abre a segunda)
        QCOMPARE(f.elemento.corFundo, i % 2 == 0 ? CorPrata() : QColor(Qt::white));
        QVERIFY(!f.elemento.borda);
        QCOMPARE(f.ret(), QRectF(10, textos.at(2 * i).ret().top() - 0.5, 190, 6));
        QCOMPARE(f.pagina, i < 40 ? 1 : 2);
    }
    // os fundos são pintados antes de tudo na página: não cobrem textos nem a linha de baixo do cabeçalho
    for (const TPagina& p : pags) {
        bool passouDosFundos = false;
        for (const TItemImpresso& item : p.itens) {
            QVERIFY(!(passouDosFundos && item.fundoDeBanda));
            passouDosFundos = passouDosFundos || !item.fundoDeBanda;
        }
        QVERIFY(p.itens.first().fundoDeBanda);
    }
}

void TesteRelatorio::subDetalhe()
{
    // recibo de entrada: a lista de conferência sai depois de cada linha do mestre
    TRelatorio rel;
    rel.papel = QSizeF(80, 100);
    rel.margens = QMarginsF(2, 2, 2, 2);
    TBanda cab(6);
    cab.texto(0, 0, 76, 5, QStringLiteral("Check List realizado"));
    rel.cabecalho = cab;
    rel.fundosAlternados = {CorPrata(), QColor(Qt::white)};
    rel.definirDetalhe(2, [](int i) {
        TBanda b(6);
        b.texto(0, 0, 76, 5, QStringLiteral("Serviço %1").arg(i + 1));
        return b;
    });
    rel.subDetalhe = [](int i) {
        QVector<TBanda> itens;
        for (int s = 0; s < 7; ++s) {
            TBanda b(6);
            b.bordas = TBanda::BordaTodas;
            b.texto(0, 0, 60, 5, QStringLiteral("Item %1.%2").arg(i + 1).arg(s + 1));
            itens << b;
        }
        return itens;
    };
    const QVector<TPagina> pags = rel.paginar();

    QStringList ordem;
    for (const TItemImpresso& item : ItensDe(pags))
        if (item.tipo() == TTipoElemento::Texto && item.banda != TTipoBanda::Cabecalho)
            ordem << item.texto();
    QStringList esperada;
    for (int i = 1; i <= 2; ++i) {
        esperada << QStringLiteral("Serviço %1").arg(i);
        for (int s = 1; s <= 7; ++s)
            esperada << QStringLiteral("Item %1.%2").arg(i).arg(s);
    }
    QCOMPARE(ordem, esperada);

    const auto subs = Itens(pags, TTipoBanda::SubDetalhe, TTipoElemento::Texto);
    QCOMPARE(subs.size(), 14);
    QCOMPARE(subs.at(8).linha, 1);
    QCOMPARE(subs.at(8).subLinha, 1);
    QCOMPARE(Itens(pags, TTipoBanda::SubDetalhe, TTipoElemento::Linha).size(), 14 * 4);
    // a alternância é só do detalhe
    QCOMPARE(Itens(pags, TTipoBanda::Detalhe, TTipoElemento::Quadro).size(), 2);
    QVERIFY(Itens(pags, TTipoBanda::SubDetalhe, TTipoElemento::Quadro).isEmpty());
    // 16 bandas de 6 mm em 96 mm úteis (o cabeçalho toma 6 por página): duas páginas, cabeçalho nas duas
    QCOMPARE(pags.size(), 2);
    QCOMPARE(Itens(pags, TTipoBanda::Cabecalho, TTipoElemento::Texto).size(), 2);
    for (const TItemImpresso& item : ItensDe(pags))
        QVERIFY(item.ret().bottom() <= 98 + Tol);
}

void TesteRelatorio::alinhamento_data()
{
    QTest::addColumn<int>("alinhamento");
    QTest::addColumn<bool>("ajustar");

    QTest::newRow("esquerda") << int(Qt::AlignLeft) << false;
    QTest::newRow("centro") << int(Qt::AlignHCenter) << false;
    QTest::newRow("direita") << int(Qt::AlignRight) << false;
    QTest::newRow("direita, ajustando o tamanho") << int(Qt::AlignRight) << true;
    QTest::newRow("centro nas duas direções") << int(Qt::AlignCenter) << false;
    QTest::newRow("embaixo à esquerda") << int(Qt::AlignLeft | Qt::AlignBottom) << false;
}

void TesteRelatorio::alinhamento()
{
    QFETCH(int, alinhamento);
    QFETCH(bool, ajustar);
    const Qt::Alignment a = Qt::Alignment(alinhamento);

    TRelatorio rel;
    rel.papel = QSizeF(80, 100);
    rel.margens = QMarginsF(3, 3, 3, 3);
    TBanda b(20);
    b.texto(10, 2, 50, 12, QStringLiteral("R$ 1.234,50"), TFonte(QStringLiteral("Courier New"), 10, TFonte::Negrito), a)
        .ajustarTamanho = ajustar;
    rel.titulo = b;
    const TItemImpresso item = ItemComTexto(rel.paginar(), QStringLiteral("R$ 1.234,50"));
    QCOMPARE(item.tipo(), TTipoElemento::Texto);

    // fonte monoespaçada: 11 caracteres de 0,6 em cada
    const double larguraEsperada = 11 * 0.6 * 10 / 72 * 25.4;
    QVERIFY2(qAbs(item.retTexto.width() - larguraEsperada) < 0.2, qPrintable(QString::number(item.retTexto.width())));
    const QRectF caixa(13, 5, 50, 12); // banda começa na margem esquerda e no topo
    if (a & Qt::AlignRight)
        QVERIFY(qAbs(item.retTexto.right() - caixa.right()) < Tol);
    else if (a & Qt::AlignHCenter)
        QVERIFY(qAbs(item.retTexto.center().x() - caixa.center().x()) < Tol);
    else
        QVERIFY(qAbs(item.retTexto.left() - caixa.left()) < Tol);
    if (a & Qt::AlignVCenter)
        QVERIFY(qAbs(item.retTexto.center().y() - caixa.center().y()) < Tol);
    else if (a & Qt::AlignBottom)
        QVERIFY(qAbs(item.retTexto.bottom() - caixa.bottom()) < Tol);
    else
        QVERIFY(qAbs(item.retTexto.top() - caixa.top()) < Tol);

    // ajustando, a caixa passa a ser a do texto, presa pelo lado do alinhamento
    if (ajustar) {
        QVERIFY(qAbs(item.ret().width() - item.retTexto.width()) < Tol);
        QVERIFY(qAbs(item.ret().right() - caixa.right()) < Tol);
    } else
        QCOMPARE(item.ret(), caixa);
}

void TesteRelatorio::quebraDeLinhas()
{
    const QString aviso = QStringLiteral("AUTORIZO A VENDA OU DOAÇÃO DO MEU APARELHO SE EU NÃO FIZER A RETIRADA DELE "
                                         "ATÉ : 05/06/2024");
    TRelatorio rel;
    rel.papel = QSizeF(80, 220);
    rel.margens = QMarginsF(1, 3, 1, 3);
    TBanda b(40);
    b.memo(0, 0, 40, 30, aviso, TFonte(QStringLiteral("Arial"), 8, TFonte::Negrito), Qt::AlignHCenter);
    b.memo(0, 32, 40, 4, aviso); // cabe uma linha: o resto é cortado
    b.texto(45, 0, 10, 20, QStringLiteral("PELÍCULA 3D PARA APARELHO GRANDE#\nCAPA#")); // sem quebra
    rel.titulo = b;
    const QVector<TItemImpresso> textos = Itens(rel.paginar(), TTipoBanda::Titulo, TTipoElemento::Texto);
    QCOMPARE(textos.size(), 3);

    const TItemImpresso memo = textos.at(0);
    QVERIFY(memo.linhas.size() >= 3);
    QCOMPARE(memo.linhas.join(QLatin1Char(' ')), aviso); // quebra só nos espaços, nada perdido
    QVERIFY(memo.retTexto.width() <= 40 + Tol);
    QVERIFY(qAbs(memo.retTexto.center().x() - 21) < Tol);

    const TItemImpresso cortado = textos.at(1);
    QCOMPARE(cortado.linhas.size(), 1);
    QVERIFY(aviso.startsWith(cortado.linhas.first()));

    const TItemImpresso materiais = textos.at(2);
    QCOMPARE(materiais.linhas,
             QStringList({QStringLiteral("PELÍCULA 3D PARA APARELHO GRANDE#"), QStringLiteral("CAPA#")}));
    QVERIFY(materiais.retTexto.width() > 10); // linha longa não quebra: passa da caixa
}

void TesteRelatorio::bandaQueCresce()
{
    const QString longo = QStringLiteral("Troca do conector de carga, limpeza da placa e teste de todas as funções "
                                         "do aparelho depois do reparo");
    TRelatorio rel;
    rel.papel = QSizeF(80, 220);
    rel.margens = QMarginsF(1, 3, 1, 3);
    rel.definirDetalhe(QVector<QString>{longo, QStringLiteral("Curto")}, [](const QString& texto) {
        TBanda b(6);
        b.crescer = true;
        b.bordas = TBanda::BordaBase;
        b.memo(0, 1, 30, 4, texto);
        return b;
    });
    const QVector<TPagina> pags = rel.paginar();
    const auto textos = Itens(pags, TTipoBanda::Detalhe, TTipoElemento::Texto);
    const auto linhas = Itens(pags, TTipoBanda::Detalhe, TTipoElemento::Linha);
    QCOMPARE(textos.size(), 2);
    QCOMPARE(linhas.size(), 2);

    const TItemImpresso primeiro = textos.at(0);
    QVERIFY(primeiro.linhas.size() >= 3);
    QCOMPARE(primeiro.linhas.join(QLatin1Char(' ')), longo);
    QVERIFY(qAbs(primeiro.ret().height() - primeiro.retTexto.height()) < Tol);
    // a banda cresceu junto: a linha de baixo e a banda seguinte vêm depois do texto inteiro
    const double base = linhas.at(0).ret().top();
    QVERIFY(qAbs(base - (primeiro.ret().bottom() + 1)) < Tol);
    QVERIFY(qAbs(textos.at(1).ret().top() - (base + 1)) < Tol);
    // a banda curta fica com a altura desenhada
    QVERIFY(qAbs(linhas.at(1).ret().top() - (base + 6)) < Tol);
}

void TesteRelatorio::marcacaoEFigura()
{
    QImage logo(200, 100, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    TRelatorio rel;
    rel.margens = QMarginsF(5, 5, 5, 5);
    TBanda b(50);
    b.marcacao(QRectF(0, 0, 4, 5), true);
    b.marcacao(QRectF(10, 0, 4, 4), false);
    b.figura(QRectF(20, 0, 40, 40), logo, true);
    b.figura(QRectF(70, 0, 40, 10), logo);
    b.figura(QRectF(120, 0, 40, 10), QImage()); // logo que não existe: nada no papel
    b.quadro(QRectF(0, 42, 100, 6), QColor(Qt::lightGray));
    rel.titulo = b;
    const QVector<TPagina> pags = rel.paginar();

    const auto marcas = Itens(pags, TTipoBanda::Titulo, TTipoElemento::Marcacao);
    QCOMPARE(marcas.size(), 2);
    QVERIFY(marcas.at(0).elemento.marcado);
    QCOMPARE(marcas.at(0).ret(), QRectF(5, 5, 4, 4)); // caixa quadrada
    QVERIFY(!marcas.at(1).elemento.marcado);

    const auto figuras = Itens(pags, TTipoBanda::Titulo, TTipoElemento::Figura);
    QCOMPARE(figuras.size(), 2);
    QCOMPARE(figuras.at(0).ret(), QRectF(25, 15, 40, 20)); // proporção 2:1 centrada no espaço
    QCOMPARE(figuras.at(1).ret(), QRectF(75, 5, 40, 10));  // esticada

    const auto quadros = Itens(pags, TTipoBanda::Titulo, TTipoElemento::Quadro);
    QCOMPARE(quadros.size(), 1);
    QCOMPARE(quadros.first().elemento.corFundo, QColor(Qt::lightGray));
    QVERIFY(quadros.first().elemento.borda);

    // o visto sai no PDF
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("marcas.pdf"));
    QVERIFY(ImprimirEmPdf({rel}, pdf));
    QCOMPARE(TextoDaPagina(pdf, 1).count(QStringLiteral("✓")), 1);
}

void TesteRelatorio::variaveisSoNosTextosDoSistema()
{
    FixarRelogio(QDateTime(QDate(2024, 3, 5), QTime(14, 30, 7)));
    TRelatorio rel = RelatorioDeLinhas(50);
    TBanda titulo(20);
    titulo.sistema(100, 0, 90, 5, QStringLiteral("[DataHora]"), TFonte(), Qt::AlignRight).ajustarTamanho = true;
    titulo.sistema(0, 6, 90, 5, QStringLiteral("Emitido em [Data] às [Hora], [Paginas] páginas"));
    titulo.texto(0, 12, 90, 5, QStringLiteral("Cliente [Pagina]")); // dado do usuário: fica como está
    rel.titulo = titulo;
    const QVector<TPagina> pags = rel.paginar();
    FixarRelogio(QDateTime());

    const TItemImpresso dataHora = ItemComTexto(pags, QStringLiteral("05/03/2024 14:30:07"));
    QCOMPARE(dataHora.tipo(), TTipoElemento::Texto);
    QVERIFY(qAbs(dataHora.ret().right() - 200) < Tol); // ajustada pelo texto final, presa à direita
    QVERIFY(qAbs(dataHora.ret().width() - dataHora.retTexto.width()) < Tol);
    QCOMPARE(ItemComTexto(pags, QStringLiteral("Emitido em 05/03/2024 às 14:30:07, 2 páginas")).tipo(),
             TTipoElemento::Texto);
    QCOMPARE(ItemComTexto(pags, QStringLiteral("Cliente [Pagina]")).tipo(), TTipoElemento::Texto);
}

void TesteRelatorio::familiasEquivalentes_data()
{
    QTest::addColumn<QString>("desenho");
    QTest::addColumn<QString>("instalada");

    QTest::newRow("Arial") << "Arial"
                           << "Liberation Sans";
    QTest::newRow("Tahoma") << "Tahoma"
                            << "Liberation Sans";
    QTest::newRow("Verdana") << "Verdana"
                             << "Liberation Sans";
    QTest::newRow("Arial Black") << "Arial Black"
                                 << "Liberation Sans";
    QTest::newRow("Arial Narrow") << "Arial Narrow"
                                  << "Liberation Sans Narrow";
    QTest::newRow("Times New Roman") << "Times New Roman"
                                     << "Liberation Serif";
    QTest::newRow("Courier New") << "Courier New"
                                 << "Liberation Mono";
    QTest::newRow("Wingdings") << "Wingdings"
                               << "DejaVu Sans";
}

void TesteRelatorio::familiasEquivalentes()
{
    QFETCH(QString, desenho);
    QFETCH(QString, instalada);
    QCOMPARE(FamiliaEquivalente(desenho), instalada);

    const QFont f = FonteQt(TFonte(desenho, 10));
    QCOMPARE(f.pointSizeF(), 10.0);
    if (desenho == QLatin1String("Arial Black"))
        QVERIFY(f.weight() >= QFont::Bold);
    // a estreita sai estreita mesmo sem a Liberation Sans Narrow instalada
    if (desenho == QLatin1String("Arial Narrow")) {
        const QString texto = QStringLiteral("Valor da OS Devolvido");
        const double normal = QFontMetricsF(FonteQt(TFonte(QStringLiteral("Arial"), 10))).horizontalAdvance(texto);
        const double estreita = QFontMetricsF(f).horizontalAdvance(texto);
        QVERIFY2(estreita < normal * 0.9, qPrintable(QStringLiteral("%1 x %2").arg(estreita).arg(normal)));
    }
}

void TesteRelatorio::compostoComDoisPapeis()
{
    TRelatorio largo = RelatorioDeLinhas(30); // A4 deitado: 297 x 210, cabem menos linhas
    largo.nome = QStringLiteral("Largo");
    largo.paisagem = true;
    TRelatorio cupom;
    cupom.nome = QStringLiteral("Cupom");
    cupom.papel = QSizeF(80, 220);
    cupom.margens = QMarginsF(1, 3, 1, 3);
    TBanda t(10);
    t.texto(0, 0, 78, 5, QStringLiteral("SEM VALOR FISCAL"), TFonte(), Qt::AlignHCenter);
    t.sistema(0, 5, 78, 5, QStringLiteral("Página [Pagina] de [Paginas]"));
    cupom.titulo = t;

    const QVector<TPagina> pags = Paginar({largo, cupom});
    QCOMPARE(pags.size(), 3);
    QCOMPARE(pags.at(0).relatorio, 0);
    QCOMPARE(pags.at(1).relatorio, 0);
    QCOMPARE(pags.at(2).relatorio, 1);
    QCOMPARE(pags.at(0).tamanho(), QSizeF(297, 210));
    QCOMPARE(pags.at(2).tamanho(), QSizeF(80, 220));
    // cada relatório conta as suas páginas e tem os seus rodapés
    QCOMPARE(ItemComTexto(pags, QStringLiteral("Página 2 de 2")).pagina, 2);
    QCOMPARE(ItemComTexto(pags, QStringLiteral("Página 1 de 1")).pagina, 3);
    QCOMPARE(ItemComTexto(pags, QStringLiteral("SEM VALOR FISCAL")).ret().center().x(), 40.0);
    // rodapé do deitado no pé de 210 mm
    QVERIFY(qAbs(ItemComTexto(pags, QStringLiteral("Página 1 de 2")).ret().top() - 193.0) < Tol);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("composto.pdf"));
    QVERIFY(ImprimirEmPdf({largo, cupom}, pdf));
    QCOMPARE(PaginasDoPdf(pdf), 3);
    const QVector<QSizeF> tamanhos = TamanhosDoPdf(pdf);
    QCOMPARE(tamanhos.size(), 3);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(qAbs(tamanhos.at(i).width() - Pontos(297)) < 1.5);
        QVERIFY(qAbs(tamanhos.at(i).height() - Pontos(210)) < 1.5);
    }
    QVERIFY(qAbs(tamanhos.at(2).width() - Pontos(80)) < 1.5);
    QVERIFY(qAbs(tamanhos.at(2).height() - Pontos(220)) < 1.5);

    const QString segunda = TextoDaPagina(pdf, 2);
    QVERIFY(segunda.contains(QStringLiteral("Cliente"))); // cabeçalho repetido
    QVERIFY(segunda.contains(QStringLiteral("Linha 30")));
    QVERIFY(segunda.contains(QStringLiteral("Total")));
    QVERIFY(segunda.contains(QStringLiteral("Página 2 de 2")));
    QVERIFY(!segunda.contains(QStringLiteral("Título do relatório")));
    QVERIFY(TextoDaPagina(pdf, 1).contains(QStringLiteral("Título do relatório")));
    QVERIFY(TextoDaPagina(pdf, 3).contains(QStringLiteral("SEM VALOR FISCAL")));
}

void TesteRelatorio::tamanhoDoPapelNoPdf_data()
{
    QTest::addColumn<QSizeF>("papel");
    QTest::addColumn<bool>("paisagem");

    QTest::newRow("A4 em pé") << PapelA4 << false;
    QTest::newRow("A4 deitado") << PapelA4 << true;
    QTest::newRow("80 x 220") << QSizeF(80, 220) << false;
    QTest::newRow("80 x 297,13") << QSizeF(80, 297.13) << false;
    QTest::newRow("79,9 x 196,3") << QSizeF(79.9, 196.3) << false;
    QTest::newRow("79,9 x 131,5") << QSizeF(79.9, 131.5) << false;
    QTest::newRow("80 x 100") << QSizeF(80, 100) << false;
}

void TesteRelatorio::tamanhoDoPapelNoPdf()
{
    QFETCH(QSizeF, papel);
    QFETCH(bool, paisagem);
    TRelatorio rel;
    rel.papel = papel;
    rel.paisagem = paisagem;
    rel.margens = QMarginsF(1, 3, 1, 3);
    TBanda t(10);
    t.texto(0, 0, rel.larguraUtil(), 5, QStringLiteral("canto"), TFonte(), Qt::AlignRight);
    rel.titulo = t;

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("papel.pdf"));
    QVERIFY(ImprimirEmPdf({rel}, pdf));
    const QVector<QSizeF> tamanhos = TamanhosDoPdf(pdf);
    QCOMPARE(tamanhos.size(), 1);
    const QSizeF esperado = paisagem ? papel.transposed() : papel;
    QVERIFY2(qAbs(tamanhos.first().width() - Pontos(esperado.width())) < 1.5 &&
                 qAbs(tamanhos.first().height() - Pontos(esperado.height())) < 1.5,
             qPrintable(QStringLiteral("%1 x %2").arg(tamanhos.first().width()).arg(tamanhos.first().height())));

    // o texto preso à margem direita fica dentro da folha, junto da borda
    const QString saida = Executar(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpression re(QStringLiteral("xMin=\"([\\d.]+)\"[^>]*xMax=\"([\\d.]+)\"[^>]*>canto<"));
    const auto m = re.match(saida);
    QVERIFY2(m.hasMatch(), qPrintable(saida));
    const double xMax = m.captured(2).toDouble();
    QVERIFY2(qAbs(xMax - Pontos(esperado.width() - 1)) < 1.5, qPrintable(QString::number(xMax)));
}

void TesteRelatorio::pdfEmPastaInexistente()
{
    QVERIFY(!ImprimirEmPdf({RelatorioDeLinhas(1)}, QStringLiteral("/nao/existe/pasta/relatorio.pdf")));
}

void TesteRelatorio::escolherImpressora_data()
{
    QTest::addColumn<QString>("pedida");
    QTest::addColumn<QStringList>("instaladas");
    QTest::addColumn<QString>("padrao");
    QTest::addColumn<QString>("escolhida");

    const QStringList tres{"Termica", "Laser", "PDF"};
    QTest::newRow("pedida instalada") << "Laser" << tres << "PDF"
                                      << "Laser";
    QTest::newRow("pedida é a primeira da lista") << "Termica" << tres << "PDF"
                                                  << "Termica";
    QTest::newRow("pedida não instalada: a padrão") << "Antiga" << tres << "PDF"
                                                    << "PDF";
    QTest::newRow("valor padrão do ini: a padrão") << "Erro ao ler o valor" << tres << "Laser"
                                                   << "Laser";
    QTest::newRow("nome comparado como texto exato") << "laser" << tres << "PDF"
                                                     << "PDF";
    QTest::newRow("sem pedida: a padrão") << "" << tres << "Laser"
                                          << "Laser";
    QTest::newRow("sem padrão: a primeira") << "Antiga" << tres << ""
                                            << "Termica";
    QTest::newRow("padrão que sumiu: a primeira") << "Antiga" << tres << "Removida"
                                                  << "Termica";
    QTest::newRow("nenhuma instalada") << "Laser" << QStringList() << ""
                                       << "";
}

void TesteRelatorio::escolherImpressora()
{
    QFETCH(QString, pedida);
    QFETCH(QStringList, instaladas);
    QFETCH(QString, padrao);
    QFETCH(QString, escolhida);
    QCOMPARE(EscolherImpressora(pedida, instaladas, padrao), escolhida);
}

void TesteRelatorio::imprimirNaImpressora_data()
{
    QTest::addColumn<QStringList>("instaladas");
    QTest::addColumn<QString>("pedida");
    QTest::addColumn<int>("copias");
    QTest::addColumn<bool>("visualizacao");
    QTest::addColumn<QString>("impressora");
    QTest::addColumn<int>("copiasEnviadas");

    const QStringList duas{"Termica", "Laser"};
    QTest::newRow("na pedida, duas cópias") << duas << "Termica" << 2 << false << "Termica" << 2;
    QTest::newRow("não instalada: na padrão") << duas << "Sumiu" << 1 << false << "Laser" << 1;
    QTest::newRow("zero cópias vira uma") << duas << "Laser" << 0 << false << "Laser" << 1;
    QTest::newRow("nenhuma instalada: na tela") << QStringList() << "Laser" << 1 << true << "" << 1;
}

void TesteRelatorio::imprimirNaImpressora()
{
    QFETCH(QStringList, instaladas);
    QFETCH(QString, pedida);
    QFETCH(int, copias);
    QFETCH(bool, visualizacao);
    QFETCH(QString, impressora);
    QFETCH(int, copiasEnviadas);

    OpcoesAmbiente opcoes;
    opcoes.criarModulo = false;
    AmbienteTeste ambiente(opcoes);
    TDestinoEmArquivos destino(ambiente.pastaTemporaria());
    destino.instaladas = instaladas;
    destino.padrao = QStringLiteral("Laser");
    InstalarDestinoImpressao(&destino);

    TRelatorio rel = RelatorioDeLinhas(45);
    rel.nome = QStringLiteral("Vendas do dia");
    ImprimirNaImpressora({rel}, pedida, copias);
    InstalarDestinoImpressao(nullptr);

    QCOMPARE(destino.trabalhos().size(), 1);
    const TTrabalhoImpressao t = destino.trabalhos().first();
    QCOMPARE(t.visualizacao, visualizacao);
    QCOMPARE(t.impressora, impressora);
    QCOMPARE(t.copias, copiasEnviadas);
    QCOMPARE(t.titulo, QStringLiteral("Vendas do dia"));
    QCOMPARE(t.paginas.size(), 2);
    QCOMPARE(PaginasDoPdf(t.pdf), 2);
    QVERIFY(TextoDaPagina(t.pdf, 2).contains(QStringLiteral("Linha 45")));
    QCOMPARE(ambiente.dialogos().mensagens(), visualizacao ? QStringList{MensagemSemImpressora()} : QStringList());
}

void TesteRelatorio::visualizacaoReal()
{
    OpcoesAmbiente opcoes;
    opcoes.criarModulo = false;
    AmbienteTeste ambiente(opcoes);
    InstalarDestinoImpressao(nullptr);

    TRelatorio cupom;
    cupom.papel = QSizeF(80, 100);
    cupom.margens = QMarginsF(3, 3, 3, 3);
    TBanda t(10);
    t.texto(0, 0, 74, 5, QStringLiteral("Pedido de Compra"), TFonte(), Qt::AlignHCenter);
    cupom.titulo = t;

    int paginasNaTela = -1;
    QString tipo;
    ambiente.dialogos().aoAbrirJanela([&](QDialog* janela) {
        tipo = QString::fromLatin1(janela->metaObject()->className());
        if (auto* previa = janela->findChild<QPrintPreviewWidget*>()) {
            previa->updatePreview();
            paginasNaTela = previa->pageCount();
        }
        return int(QDialog::Rejected);
    });
    Visualizar({RelatorioDeLinhas(45), cupom}, QStringLiteral("Fechamento"));

    QCOMPARE(tipo, QStringLiteral("QPrintPreviewDialog"));
    QCOMPARE(ambiente.dialogos().janelasAbertas(), QStringList{QStringLiteral("dlg_Visualizacao")});
    QCOMPARE(ambiente.dialogos().mostrados().last().titulo, QStringLiteral("Fechamento"));
    QCOMPARE(paginasNaTela, 3);
    QVERIFY(ambiente.dialogos().pendencias().isEmpty());
}

// Uma amostra com todos os elementos, em PDF e PNG, para olhar (fica na pasta de build).
void TesteRelatorio::amostraEmPng()
{
    QImage logo(160, 50, QImage::Format_RGB32);
    logo.fill(QColor(30, 90, 160));
    {
        QPainter p(&logo);
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("Liberation Sans"), 20, QFont::Bold));
        p.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("LOGO"));
    }
    FixarRelogio(QDateTime(QDate(2024, 3, 5), QTime(18, 0)));
    TRelatorio rel = RelatorioDeLinhas(50);
    rel.nome = QStringLiteral("Amostra");
    rel.fundosAlternados = {CorPrata(), QColor(Qt::white)};
    TBanda titulo(42);
    titulo.bordas = TBanda::BordaTopo;
    titulo.espessuraBordas = MmDePixels(2);
    titulo.figura(QRectF(0, 2, MmDePixels(160), MmDePixels(50)), logo);
    titulo.sistema(100, 2, 90, 5, QStringLiteral("[DataHora]"), TFonte(), Qt::AlignRight);
    titulo.texto(50, 8, 140, 8, QStringLiteral("Relatório de ORDENS FECHADAS"),
                 TFonte(QStringLiteral("Arial"), 16, TFonte::Negrito));
    titulo.texto(0, 18, 190, 5, QStringLiteral("Período : 15/01/2024 à 02/02/2024"),
                 TFonte(QStringLiteral("Times New Roman"), 10), Qt::AlignHCenter);
    TElemento& caixa = titulo.texto(0, 25, 90, 9, QStringLiteral("Ordem de Serviço : 1234"),
                                    TFonte(QStringLiteral("Arial Black"), 12), Qt::AlignCenter);
    caixa.corFundo = QColor(Qt::lightGray);
    caixa.borda = true;
    titulo.marcacao(QRectF(100, 26, 4, 4), true);
    titulo.texto(105, 26, 40, 5, QStringLiteral("Sem CHIP"), TFonte(QStringLiteral("Arial"), 9, TFonte::Negrito));
    titulo.marcacao(QRectF(145, 26, 4, 4), false);
    titulo.texto(150, 26, 40, 5, QStringLiteral("Não liga"), TFonte(QStringLiteral("Arial"), 9));
    titulo.memo(100, 31, 90, 10,
                QStringLiteral("AUTORIZO A VENDA OU DOAÇÃO DO MEU APARELHO SE EU NÃO FIZER A RETIRADA "
                               "DELE ATÉ : 05/06/2024"),
                TFonte(QStringLiteral("Arial"), 8, TFonte::Negrito));
    titulo.linhaVertical(95, 25, 16);
    rel.titulo = titulo;

    const QString pasta = QCoreApplication::applicationDirPath() + QStringLiteral("/amostra_relatorio");
    QDir().mkpath(pasta);
    const QString pdf = pasta + QStringLiteral("/amostra.pdf");
    QVERIFY(ImprimirEmPdf({rel}, pdf));
    FixarRelogio(QDateTime());
    QCOMPARE(PaginasDoPdf(pdf), 2);
    QProcess png;
    png.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"), pdf,
                                           pasta + QStringLiteral("/amostra")});
    QVERIFY(png.waitForFinished(30000));
    QCOMPARE(png.exitCode(), 0);
    QVERIFY(QFile::exists(pasta + QStringLiteral("/amostra-1.png")));
    const QString texto = TextoDaPagina(pdf, 1);
    QVERIFY(texto.contains(QStringLiteral("05/03/2024 18:00:00")));
    QVERIFY(texto.contains(QStringLiteral("Ordem de Serviço : 1234")));
}

REGISTRAR_TESTE(TesteRelatorio)
#include "tst_relatorio.moc"
