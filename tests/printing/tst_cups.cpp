// Impressão real num CUPS (tools/servicos_teste/cups.sh): o cupom da venda pelo nome da fila
// do Impressora.ini chega na fila certa com o tamanho de papel do cupom.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "core/u_ArquivoIni.h"
#include "core/u_ModuloDados.h"
#include "printing/u_DestinoImpressao.h"
#include "printing/u_ListaImpressoras.h"
#include "support/ambiente_teste.h"
#include "support/suporte.h"

namespace
{
QString Rodar(const QString& programa, const QStringList& args)
{
    QProcess p;
    p.start(programa, args);
    if (!p.waitForFinished(20000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class TesteCups : public QObject
{
    Q_OBJECT

private slots:
    void cupomNaFilaDaTermica()
    {
        const QStringList filas = QPrinterInfo::availablePrinterNames();
        if (!filas.contains(QStringLiteral("PDF_TERMICA")) || !filas.contains(QStringLiteral("PDF_A4")))
            QSKIP("CUPS sem as filas PDF_A4 e PDF_TERMICA (tools/servicos_teste/cups.sh não subiu o cupsd)");
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("sem pdfinfo");

        AmbienteTeste amb(OpcoesAmbiente{.demo = true});
        const int produto = amb.valor("SELECT FIRST 1 CDCONTROLE FROM ESTOQUE").toInt();
        amb.exec("INSERT INTO ITENS_VENDA (NRVENDA, CDPRODUTO, VALOR_PRODUTO, QTDE) VALUES (41, :P, 5, 1)",
                 {{"P", produto}});
        amb.exec("INSERT INTO VENDA (NRVENDA, DATA_VENDA, CLIENTE, FORMA_PAGAMENTO) "
                 "VALUES (41, '2026-03-05', 'JOSE', 'DINHEIRO')");
        TArquivoIni(ArquivoImpressoras()).gravar("IMPRESSORA_VENDAS", "NOME", "PDF_TERMICA");
        amb.modulo()->vp_Preview_Venda = QStringLiteral("NAO");

        // cups-pdf grava em ~/PDF/<título>-job_<n>.pdf
        const QDir saida(QDir::homePath() + QStringLiteral("/PDF"));
        const QSet<QString> antes = [&] {
            const QStringList l = saida.entryList({"*.pdf"}, QDir::Files);
            return QSet<QString>(l.begin(), l.end());
        }();
        InstalarDestinoImpressao(nullptr);
        amb.modulo()->ImprimeVenda(41);

        QString novo;
        QElapsedTimer relogio;
        relogio.start();
        while (novo.isEmpty() && relogio.elapsed() < 30000) {
            QTest::qWait(300);
            for (const QString& f : saida.entryList({"*.pdf"}, QDir::Files))
                if (!antes.contains(f) && QFileInfo(saida.filePath(f)).size() > 0)
                    novo = f;
        }
        QVERIFY2(!novo.isEmpty(), "o trabalho não saiu no cups-pdf");
        QTest::qWait(500); // o backend termina de escrever
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("job_(\\d+)\\.pdf$")).match(novo);
        QVERIFY(m.hasMatch());
        const QString concluidos = Rodar("lpstat", {"-W", "completed", "-o", "PDF_TERMICA"}) +
                                   Rodar("lpstat", {"-o", "PDF_TERMICA"});
        QVERIFY2(concluidos.contains(QStringLiteral("PDF_TERMICA-") + m.captured(1) + ' '), qPrintable(concluidos));

        const QString info = Rodar("pdfinfo", {saida.filePath(novo)});
        const QRegularExpressionMatch t =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
        QVERIFY2(t.hasMatch(), qPrintable(info));
        // 79,9 x 196,3 mm
        QVERIFY2(qAbs(t.captured(1).toDouble() - 79.9 / 25.4 * 72) < 2, qPrintable(info));
        QVERIFY2(qAbs(t.captured(2).toDouble() - 196.3 / 25.4 * 72) < 2, qPrintable(info));
        QFile::remove(saida.filePath(novo));
    }
};

REGISTRAR_TESTE(TesteCups)
#include "tst_cups.moc"
