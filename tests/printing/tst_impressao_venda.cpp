// Cupom da venda: textos pela forma de pagamento, total, impressora de vendas e Preview_na_Venda.
#include <QTest>

#include "core/u_ArquivoIni.h"
#include "core/u_ModuloDados.h"
#include "printing/u_DestinoImpressao.h"
#include "printing/u_ListaImpressoras.h"
#include "support/ambiente_teste.h"
#include "support/suporte.h"

namespace
{
// Venda 7 com duas linhas (2 x 10,25 e 1 x 1.000,00) na forma dada.
void CriarVenda(AmbienteTeste& amb, const QString& forma)
{
    const int produto = amb.valor("SELECT FIRST 1 CDCONTROLE FROM ESTOQUE ORDER BY CDCONTROLE").toInt();
    amb.exec("INSERT INTO ITENS_VENDA (NRVENDA, CDPRODUTO, VALOR_PRODUTO, QTDE) VALUES (7, :P, 10.25, 2)",
             {{"P", produto}});
    amb.exec("INSERT INTO ITENS_VENDA (NRVENDA, CDPRODUTO, VALOR_PRODUTO, QTDE) VALUES (7, :P, 1000, 1)",
             {{"P", produto}});
    amb.exec("INSERT INTO VENDA (NRVENDA, DATA_VENDA, CLIENTE, FORMA_PAGAMENTO) "
             "VALUES (7, '2026-03-05', 'MARIA DA SILVA', :F)",
             {{"F", forma}});
}

QStringList Textos(const TTrabalhoImpressao& t)
{
    QStringList r;
    for (const TItemImpresso& i : t.itens())
        if (i.tipo() == TTipoElemento::Texto)
            r << i.texto();
    return r;
}
} // namespace

class TesteImpressaoVenda : public QObject
{
    Q_OBJECT

private slots:
    void cupom_data()
    {
        QTest::addColumn<QString>("forma");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<bool>("assinatura");
        QTest::addColumn<bool>("visualiza");
        QTest::newRow("prazo, SIM") << "PRAZO" << "SIM" << true << true;
        QTest::newRow("dinheiro, sim") << "DINHEIRO" << "sim" << false << false;
        QTest::newRow("prazo, vazio") << "PRAZO" << "" << true << false;
    }
    void cupom()
    {
        QFETCH(QString, forma);
        QFETCH(QString, preview);
        QFETCH(bool, assinatura);
        QFETCH(bool, visualiza);
        AmbienteTeste amb(OpcoesAmbiente{.demo = true});
        TDestinoEmArquivos destino(amb.pastaTemporaria());
        destino.instaladas = {"PDF_A4", "PDF_TERMICA"};
        destino.padrao = "PDF_A4";
        InstalarDestinoImpressao(&destino);
        TArquivoIni(ArquivoImpressoras()).gravar("IMPRESSORA_VENDAS", "NOME", "PDF_TERMICA");
        CriarVenda(amb, forma);
        amb.modulo()->vp_Preview_Venda = preview;

        amb.modulo()->ImprimeVenda(7);
        InstalarDestinoImpressao(nullptr);

        QCOMPARE(destino.trabalhos().size(), 1);
        const TTrabalhoImpressao& t = destino.trabalhos().first();
        QCOMPARE(t.visualizacao, visualiza);
        QCOMPARE(t.impressora, QStringLiteral("PDF_TERMICA"));
        QCOMPARE(t.paginas.first().papel, QSizeF(79.9, 196.3));
        const QStringList textos = Textos(t);
        QVERIFY(textos.contains("7"));
        QVERIFY(textos.contains(forma));
        QVERIFY(textos.contains("20,50"));
        QVERIFY(textos.contains("1.000,00"));
        QVERIFY2(textos.contains("1.020,50"), qPrintable(textos.join('|'))); // TOTAL = soma das linhas
        QVERIFY(textos.contains("Obrigado. VOLTE SEMPRE !"));
        QCOMPARE(textos.contains("reconheço o valor acima especificado"), assinatura);
        QCOMPARE(textos.count("MARIA DA SILVA"), assinatura ? 2 : 1);
    }

    void vendaInexistenteAvisa()
    {
        AmbienteTeste amb;
        TDestinoEmArquivos destino;
        destino.instaladas = {"PDF_A4"};
        InstalarDestinoImpressao(&destino);
        amb.modulo()->ImprimeVenda(999);
        InstalarDestinoImpressao(nullptr);
        QVERIFY(destino.trabalhos().isEmpty());
        QCOMPARE(amb.dialogos().ultimaMensagem(), QStringLiteral("Venda não encontrada"));
    }
};

REGISTRAR_TESTE(TesteImpressaoVenda)
#include "tst_impressao_venda.moc"
