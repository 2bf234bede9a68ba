#include "printing/u_DestinoImpressao.h"

#include <QDir>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/u_Dialogos.h"

namespace {

class TDestinoReal : public IDestinoImpressao
{
public:
    QStringList impressorasInstaladas() override { return QPrinterInfo::availablePrinterNames(); }
    QString impressoraPadrao() override { return QPrinterInfo::defaultPrinterName(); }

    void imprimir(const QVector<TPagina>& paginas, const QString& impressora, int copias,
                  const QString& titulo) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(impressora);
        printer.setFullPage(true);
        printer.setCopyCount(copias);
        printer.setDocName(titulo);
        if (!Desenhar(paginas, printer))
            Dialogos().mensagem(QStringLiteral("Não foi possível imprimir em \"%1\".").arg(impressora), QString(),
                                TIcone::Erro);
    }

    void visualizar(const QVector<TPagina>& paginas, const QString& titulo, const QString& impressora) override
    {
        QPrinter printer(QPrinter::HighResolution);
        if (!impressora.isEmpty())
            printer.setPrinterName(impressora);
        printer.setFullPage(true);
        printer.setDocName(titulo);
        QPrintPreviewDialog janela(&printer);
        janela.setObjectName(QStringLiteral("dlg_Visualizacao"));
        janela.setWindowTitle(titulo);
        janela.setWindowState(janela.windowState() | Qt::WindowMaximized);
        // as páginas já estão montadas: data e número de páginas não mudam ao redesenhar
        QObject::connect(&janela, &QPrintPreviewDialog::paintRequested,
                         [paginas](QPrinter* destino) { Desenhar(paginas, *destino); });
        Dialogos().executarModal(&janela);
    }
};

TDestinoReal g_real;
IDestinoImpressao* g_atual = nullptr;

QString TituloDe(const QVector<TRelatorio>& relatorios)
{
    return relatorios.isEmpty() ? QString() : relatorios.first().nome;
}

} // namespace

IDestinoImpressao& DestinoImpressao()
{
    return g_atual ? *g_atual : static_cast<IDestinoImpressao&>(g_real);
}

void InstalarDestinoImpressao(IDestinoImpressao* destino)
{
    g_atual = destino;
}

QString EscolherImpressora(const QString& pedida, const QStringList& instaladas, const QString& padrao)
{
    if (!pedida.isEmpty() && instaladas.contains(pedida))
        return pedida;
    if (!padrao.isEmpty() && instaladas.contains(padrao))
        return padrao;
    return instaladas.isEmpty() ? QString() : instaladas.first();
}

QString MensagemSemImpressora()
{
    return QStringLiteral("Nenhuma impressora está instalada. O relatório será mostrado na tela.");
}

bool ImprimirEmPdf(const QVector<TPagina>& paginas, const QString& caminho, const QString& titulo)
{
    QPdfWriter pdf(caminho);
    pdf.setResolution(1200);
    pdf.setTitle(titulo);
    pdf.setCreator(QStringLiteral("osvendas"));
    return Desenhar(paginas, pdf);
}

bool ImprimirEmPdf(const QVector<TRelatorio>& relatorios, const QString& caminho)
{
    return ImprimirEmPdf(Paginar(relatorios), caminho, TituloDe(relatorios));
}

void ImprimirNaImpressora(const QVector<TRelatorio>& relatorios, const QString& nomeImpressora, int copias)
{
    IDestinoImpressao& destino = DestinoImpressao();
    const QString impressora =
        EscolherImpressora(nomeImpressora, destino.impressorasInstaladas(), destino.impressoraPadrao());
    const QVector<TPagina> paginas = Paginar(relatorios);
    if (impressora.isEmpty()) {
        Dialogos().mensagem(MensagemSemImpressora(), QString(), TIcone::Aviso);
        destino.visualizar(paginas, TituloDe(relatorios), QString());
        return;
    }
    destino.imprimir(paginas, impressora, std::max(1, copias), TituloDe(relatorios));
}

void Visualizar(const QVector<TRelatorio>& relatorios, const QString& titulo, const QString& nomeImpressora)
{
    IDestinoImpressao& destino = DestinoImpressao();
    const QString impressora =
        EscolherImpressora(nomeImpressora, destino.impressorasInstaladas(), destino.impressoraPadrao());
    destino.visualizar(Paginar(relatorios), titulo, impressora);
}

void TDestinoEmArquivos::imprimir(const QVector<TPagina>& paginas, const QString& impressora, int copias,
                                  const QString& titulo)
{
    TTrabalhoImpressao t;
    t.impressora = impressora;
    t.copias = copias;
    t.titulo = titulo;
    t.paginas = paginas;
    registrar(t);
}

void TDestinoEmArquivos::visualizar(const QVector<TPagina>& paginas, const QString& titulo, const QString& impressora)
{
    TTrabalhoImpressao t;
    t.visualizacao = true;
    t.impressora = impressora;
    t.titulo = titulo;
    t.paginas = paginas;
    registrar(t);
}

void TDestinoEmArquivos::registrar(TTrabalhoImpressao trabalho)
{
    if (!m_pasta.isEmpty()) {
        const QString caminho = QDir(m_pasta).filePath(QStringLiteral("trabalho_%1.pdf").arg(m_trabalhos.size() + 1));
        if (ImprimirEmPdf(trabalho.paginas, caminho, trabalho.titulo))
            trabalho.pdf = caminho;
    }
    m_trabalhos << trabalho;
}
