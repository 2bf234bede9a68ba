// Entrada de estoque: uma linha por Enter, as três conversões e a quantidade e o custo que a
// base apura, lidos de volta logo depois.
#include <QLabel>
#include <QLineEdit>

#include "core/u_Relogio.h"
#include "stock/u_cad_Entrada_produto.h"
#include "support/suporte.h"

namespace {

// Produto com 12 em estoque, custo 1,00 e preço 1234,50, já entregue à janela em vp_cdproduto.
int prepararProduto(AmbienteTeste& amb)
{
    amb.exec("INSERT INTO ESTOQUE (PRODUTO, UN, QTDE_ATUAL, VALOR_VENDA, VALOR_DE_CUSTO, CDFORNECEDOR_PADRAO) "
             "VALUES ('CABO USB-C', 'UN', 12, 1234.5, 1, 0)");
    const int codigo = amb.valor("SELECT CDCONTROLE FROM ESTOQUE").toInt();
    ModuloDados->vp_cdproduto = codigo;
    return codigo;
}

struct Tela
{
    Tela() : frm(std::make_unique<Tfrm_Cad_entrada_produto>())
    {
        frm->show();
        if (!QTest::qWaitForWindowActive(frm.get()))
            qWarning("janela de entrada não ficou ativa");
    }
    QLineEdit* edt(const char* nome) const { return frm->findChild<QLineEdit*>(QLatin1String(nome)); }
    QString lbl(const char* nome) const { return frm->findChild<QLabel*>(QLatin1String(nome))->text(); }
    // Troca o texto do campo pelo digitado.
    void digitar(const char* campo, const QString& texto) const
    {
        edt(campo)->setFocus();
        edt(campo)->selectAll();
        QTest::keyClick(edt(campo), Qt::Key_Backspace);
        QTest::keyClicks(edt(campo), texto);
    }
    void enter(const char* campo) const { QTest::keyClick(edt(campo), Qt::Key_Return); }
    std::unique_ptr<Tfrm_Cad_entrada_produto> frm;
};

} // namespace

class TesteEntradaEstoque : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { FixarRelogio(QDateTime()); }

    void abertura()
    {
        AmbienteTeste amb;
        prepararProduto(amb);
        FixarRelogio(QDateTime(QDate(2024, 3, 5), QTime(9, 30)));
        Tela t;
        QCOMPARE(t.frm->windowTitle(), QStringLiteral("Entrada"));
        QCOMPARE(t.lbl("lbl_produto"), QStringLiteral("CABO USB-C"));
        QCOMPARE(t.lbl("lbl_valor_de_venda_atual"), QStringLiteral("1.234,50"));
        QCOMPARE(t.lbl("lbl_qtde_estoque_atual"), QStringLiteral("12"));
        QCOMPARE(t.lbl("lbl_valor_de_custo_do_estoque"), QStringLiteral("0,00"));
        QCOMPARE(t.edt("edt_dtentrada")->displayText(), QStringLiteral("05/03/2024"));
        QCOMPARE(t.edt("edt_valor_custo")->text(), QStringLiteral("0,00"));
        QCOMPARE(t.edt("edt_qtEntrada")->text(), QStringLiteral("0,00"));
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_valor_custo"));
    }

    // Cada Enter na quantidade grava uma entrada; a janela mostra o que a base apurou.
    void lancamentosSeguidos()
    {
        AmbienteTeste amb;
        const int codigo = prepararProduto(amb);
        Tela t;
        t.digitar("edt_dtentrada", "05032024");
        t.enter("edt_dtentrada");
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_valor_custo"));
        t.digitar("edt_valor_custo", "2,50");
        t.enter("edt_valor_custo");
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_qtEntrada"));
        t.digitar("edt_qtEntrada", "10");
        t.enter("edt_qtEntrada");

        auto linhas = amb.registros("SELECT * FROM ENTRADA_ESTOQUE");
        QCOMPARE(linhas.size(), 1);
        QCOMPARE(linhas.first().value("DATA").toDate(), QDate(2024, 3, 5));
        QCOMPARE(linhas.first().value("CDPRODUTO").toInt(), codigo);
        QCOMPARE(linhas.first().value("QTDE").toDouble(), 10.0);
        QCOMPARE(linhas.first().value("VALOR_DE_CUSTO").toDouble(), 2.5);
        // 12 x 1,00 + 10 x 2,50 = 37,00 por 22 unidades
        QCOMPARE(t.lbl("lbl_qtde_estoque_atual"), QStringLiteral("22"));
        QCOMPARE(t.lbl("lbl_valor_de_custo_do_estoque"), QStringLiteral("1,68"));
        QVERIFY(amb.dialogos().mostrados().isEmpty());
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_qtEntrada"));
        QCOMPARE(t.edt("edt_qtEntrada")->text(), QStringLiteral("10")); // os campos não se limpam

        t.enter("edt_qtEntrada");
        linhas = amb.registros("SELECT * FROM ENTRADA_ESTOQUE");
        QCOMPARE(linhas.size(), 2);
        QCOMPARE(linhas.at(1).value("QTDE").toDouble(), 10.0);
        QCOMPARE(t.lbl("lbl_qtde_estoque_atual"), QStringLiteral("32"));
        QCOMPARE(amb.valor("SELECT QTDE_ATUAL FROM ESTOQUE").toDouble(), 32.0);
    }

    void conversoes_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("custo");
        QTest::addColumn<QString>("qtde");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("data vazia") << ""
                                    << "2,50"
                                    << "1"
                                    << "Data informada esta errada";
        QTest::newRow("data impossível") << "31022024"
                                         << "2,50"
                                         << "1"
                                         << "Data informada esta errada";
        QTest::newRow("custo com ponto") << "05032024"
                                         << "2.50"
                                         << "1"
                                         << "Valor informado do Valor de custo está errado";
        QTest::newRow("custo vazio") << "05032024"
                                     << ""
                                     << "1"
                                     << "Valor informado do Valor de custo está errado";
        QTest::newRow("qtde com letra") << "05032024"
                                        << "2,50"
                                        << "1x"
                                        << "Valor informado da quantidade está errada";
        QTest::newRow("qtde com ponto") << "05032024"
                                        << "2,50"
                                        << "2.5"
                                        << "Valor informado da quantidade está errada";
    }
    void conversoes()
    {
        QFETCH(QString, data);
        QFETCH(QString, custo);
        QFETCH(QString, qtde);
        QFETCH(QString, mensagem);
        AmbienteTeste amb;
        prepararProduto(amb);
        Tela t;
        t.digitar("edt_dtentrada", data);
        t.digitar("edt_valor_custo", custo);
        t.digitar("edt_qtEntrada", qtde);
        t.enter("edt_qtEntrada");
        QCOMPARE(amb.dialogos().mensagens(), QStringList{mensagem});
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ENTRADA_ESTOQUE").toInt(), 0);
        QCOMPARE(amb.valor("SELECT QTDE_ATUAL FROM ESTOQUE").toDouble(), 12.0);
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_qtEntrada"));
    }

    void quantidadeZeroOuNegativaComoDigitada_data()
    {
        QTest::addColumn<QString>("qtde");
        QTest::addColumn<double>("gravada");
        QTest::addColumn<QString>("estoque");
        QTest::newRow("zero") << "0" << 0.0 << "12";
        QTest::newRow("negativa") << "-3" << -3.0 << "9";
        QTest::newRow("fracionada") << "0,5" << 0.5 << "12,5";
    }
    void quantidadeZeroOuNegativaComoDigitada()
    {
        QFETCH(QString, qtde);
        QFETCH(double, gravada);
        QFETCH(QString, estoque);
        AmbienteTeste amb;
        prepararProduto(amb);
        Tela t;
        t.digitar("edt_valor_custo", "4,00");
        t.digitar("edt_qtEntrada", qtde);
        t.enter("edt_qtEntrada");
        QCOMPARE(amb.valor("SELECT QTDE FROM ENTRADA_ESTOQUE").toDouble(), gravada);
        QCOMPARE(t.lbl("lbl_qtde_estoque_atual"), estoque);
    }
};

REGISTRAR_TESTE(TesteEntradaEstoque)
#include "tst_entrada_estoque.moc"
