// Vendas: a venda aberta e as operações do módulo de dados, a regra do troco, a tela de vendas
// dirigida como no caixa, a lista de vendas e a correção de uma linha.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "core/u_Relogio.h"
#include "core/u_Valores.h"
#include "sales/u_Alterar_qtde_e_valor_na_venda.h"
#include "sales/u_CadVendas.h"
#include "sales/u_Lista_Vendas.h"
#include "sales/u_RegrasVenda.h"
#include "support/suporte.h"

namespace {

int inserirProduto(AmbienteTeste& amb, const QString& nome, double valor, const QString& codBarra = QString(),
                   double qtde = 10)
{
    amb.exec("INSERT INTO ESTOQUE (PRODUTO, UN, QTDE_ATUAL, VALOR_VENDA, CODBARRA) VALUES (:P, 'UN', :Q, :V, :C)",
             {{"P", nome}, {"Q", qtde}, {"V", valor}, {"C", codBarra.isEmpty() ? Nulo<QString>() : QVariant(codBarra)}});
    return amb.valor("SELECT MAX(CDCONTROLE) FROM ESTOQUE").toInt();
}

int inserirCliente(AmbienteTeste& amb, const QString& nome)
{
    amb.exec("INSERT INTO CLIENTES (NOME) VALUES (:N)", {{"N", nome}});
    return amb.valor("SELECT MAX(CDCONTROLE) FROM CLIENTES").toInt();
}

// Uma venda já gravada, direto pelo módulo (uma linha por produto, quantidade 1).
void venderDireto(int nr, const QVector<int>& produtos, const QString& cliente = kConsumidorPadrao, int cdCliente = 0,
                  const QString& forma = QStringLiteral("DINHEIRO"), const QDate& data = QDate(2026, 12, 11))
{
    for (int p : produtos)
        ModuloDados->Gravar_Itens_da_Venda(nr, p, ModuloDados->FEstoque(p).var_VALOR_VENDA, 1);
    ModuloDados->Gravar_Venda(nr, data, cliente, cdCliente, forma, 0);
}

double estoque(AmbienteTeste& amb, int produto)
{
    return amb.valor("SELECT QTDE_ATUAL FROM ESTOQUE WHERE CDCONTROLE = :C", {{"C", produto}}).toDouble();
}

} // namespace

//==================================================================================================

class TesteDadosVendas : public QObject
{
    Q_OBJECT
private slots:
    void numeroDaVendaAberta()
    {
        AmbienteTeste amb;
        const int p = inserirProduto(amb, "CAPA", 10);
        QCOMPARE(ModuloDados->GerarNrodaVenda(), 1);
        venderDireto(1, {p});
        venderDireto(2, {p});
        venderDireto(3, {p});
        QCOMPARE(ModuloDados->GerarNrodaVenda(), 4);
        // excluir a maior devolve o número; excluir outra deixa um buraco
        ModuloDados->ExcluirVenda(3);
        QCOMPARE(ModuloDados->GerarNrodaVenda(), 3);
        ModuloDados->ExcluirVenda(1);
        QCOMPARE(ModuloDados->GerarNrodaVenda(), 3);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_VENDA WHERE NRVENDA = 1").toInt(), 0);
    }

    void totalComCentavos()
    {
        AmbienteTeste amb;
        const int a = inserirProduto(amb, "CABO", 10.50);
        const int b = inserirProduto(amb, "CHIP", 4.25);
        QCOMPARE(ModuloDados->TotaldaVenda(1), 0.0);
        ModuloDados->Gravar_Itens_da_Venda(1, a, 10.50, 1);
        ModuloDados->Gravar_Itens_da_Venda(1, b, 4.25, 2);
        QCOMPARE(ModuloDados->TotaldaVenda(1), 19.0);
        ModuloDados->Gravar_Itens_da_Venda(1, b, 0.33, 0.5); // 0,165: dinheiro com dois decimais
        QCOMPARE(FormatarValor(ModuloDados->TotaldaVenda(1)), QStringLiteral("19,17"));
        // o total da linha vem da base
        QCOMPARE(amb.valor("SELECT VALOR_TOTAL FROM ITENS_VENDA WHERE CDPRODUTO = :P AND QTDE = 2", {{"P", b}}).toDouble(),
                 8.5);
    }

    void limpaSoAsSobras()
    {
        AmbienteTeste amb;
        const int p = inserirProduto(amb, "CAPA", 10);
        venderDireto(1, {p, p});
        ModuloDados->Gravar_Itens_da_Venda(2, p, 10, 1); // venda aberta
        ModuloDados->Gravar_Itens_da_Venda(7, p, 10, 1); // sobra antiga
        ModuloDados->LimpaItenssemVENDA();
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_VENDA").toInt(), 2);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_VENDA WHERE NRVENDA = 1").toInt(), 2);
    }

    void linhaDeProdutoExcluido()
    {
        AmbienteTeste amb;
        const int a = inserirProduto(amb, "CAPA", 10);
        const int b = inserirProduto(amb, "CABO", 5);
        ModuloDados->Gravar_Itens_da_Venda(1, a, 10, 1);
        ModuloDados->Gravar_Itens_da_Venda(1, b, 5, 1);
        ModuloDados->ExcluirProduto(b);
        ModuloDados->AbrirItensVenda(1);
        QCOMPARE(ModuloDados->Qry_Itens_Venda->registros(), 1);
        QCOMPARE(ModuloDados->Qry_Itens_Venda->campo("PRODUTO").toString(), QStringLiteral("CAPA"));
        QCOMPARE(ModuloDados->TotaldaVenda(1), 15.0);
    }

    void correcaoEExclusaoDeLinha()
    {
        AmbienteTeste amb;
        const int p = inserirProduto(amb, "CAPA", 10);
        ModuloDados->Gravar_Itens_da_Venda(1, p, 10, 1);
        ModuloDados->Gravar_Itens_da_Venda(1, p, 10, 1);
        ModuloDados->AbrirItensVenda(1);
        const int linha = ModuloDados->Qry_Itens_Venda->campo("CDCONTROLE").toInt();
        QVERIFY(linha > 0);
        ModuloDados->AlterarQtdeeValorVENDA(linha, 2.5, 8);
        QCOMPARE(ModuloDados->TotaldaVenda(1), 30.0);
        ModuloDados->ExcluirItemDaVenda(linha);
        QCOMPARE(ModuloDados->TotaldaVenda(1), 10.0);
    }

    void fVenda()
    {
        AmbienteTeste amb;
        const int p = inserirProduto(amb, "CAPA", 10);
        const int c = inserirCliente(amb, "JOAO DA SILVA");
        venderDireto(1, {p}, "JOAO DA SILVA", c, "PRAZO", QDate(2026, 3, 5));
        const int chave = amb.valor("SELECT CDCONTROLE FROM VENDA WHERE NRVENDA = 1").toInt();
        const TVenda v = ModuloDados->FVenda(chave);
        QCOMPARE(v.var_CDCONTROLE, chave);
        QCOMPARE(v.var_DATA_VENDA, QStringLiteral("05/03/2026"));
        QCOMPARE(v.var_CLIENTE, QStringLiteral("JOAO DA SILVA"));
        QCOMPARE(v.var_CDCLIENTE, c);
        QCOMPARE(v.var_FORMA_PAGAMENTO, QStringLiteral("PRAZO"));
        QCOMPARE(v.var_VALOR_DESCONTO, 0.0);
        QCOMPARE(v.var_NRVENDA, QStringLiteral("1"));
        QCOMPARE(v.var_PAGO, QStringLiteral("N"));
        const TVenda nada = ModuloDados->FVenda(chave + 100);
        QCOMPARE(nada.var_CDCONTROLE, 0);
        QVERIFY(nada.var_CLIENTE.isEmpty() && nada.var_NRVENDA.isEmpty() && nada.var_DATA_VENDA.isEmpty());
    }

    // o estoque e a conta a receber seguem as vendas gravadas (gatilhos da base)
    void estoqueEContaAReceber()
    {
        AmbienteTeste amb;
        const int p = inserirProduto(amb, "CAPA", 10, QString(), 10);
        const int c = inserirCliente(amb, "JOAO DA SILVA");
        ModuloDados->Gravar_Itens_da_Venda(1, p, 10, 1);
        QCOMPARE(estoque(amb, p), 10.0); // venda aberta não mexe no estoque
        ModuloDados->Gravar_Venda(1, QDate(2026, 12, 11), "JOAO DA SILVA", c, "PRAZO", 0);
        QCOMPARE(estoque(amb, p), 9.0);
        QCOMPARE(amb.valor("SELECT VALOR_DEVIDO FROM RECEBER WHERE NRVENDA = 1 AND CDCLIENTE = :C", {{"C", c}})
                     .toDouble(),
                 10.0);
        ModuloDados->ExcluirVenda(1);
        QCOMPARE(estoque(amb, p), 10.0);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM RECEBER").toInt(), 0);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM VENDA").toInt(), 0);
    }

    // venda com pagamento recebido: a base recusa e nada é apagado (as duas exclusões juntas)
    void exclusaoRecusadaNaoApagaPelaMetade()
    {
        AmbienteTeste amb;
        const int p = inserirProduto(amb, "CAPA", 10);
        const int c = inserirCliente(amb, "JOAO DA SILVA");
        venderDireto(1, {p}, "JOAO DA SILVA", c, "PRAZO");
        amb.exec("UPDATE RECEBER SET VALOR_PAGO = 5 WHERE NRVENDA = 1");
        QVERIFY_THROWS_EXCEPTION(EErroBanco, ModuloDados->ExcluirVenda(1));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_VENDA WHERE NRVENDA = 1").toInt(), 1);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM VENDA").toInt(), 1);
    }
};

//==================================================================================================

class TesteRegrasVenda : public QObject
{
    Q_OBJECT
private slots:
    void troco_data()
    {
        QTest::addColumn<QString>("pago");
        QTest::addColumn<int>("situacao");
        QTest::addColumn<QString>("troco");
        QTest::newRow("20 de 19") << "20" << int(TTroco::Ok) << "1,00";
        QTest::newRow("exato") << "19" << int(TTroco::Ok) << "0,00";
        QTest::newRow("um centavo a menos") << "18,99" << int(TTroco::PagoMenorQueTotal) << "";
        QTest::newRow("com milhar") << "1.000,00" << int(TTroco::Ok) << "981,00";
        QTest::newRow("centavos") << "19,01" << int(TTroco::Ok) << "0,01";
        QTest::newRow("letras") << "vinte" << int(TTroco::ValorErrado) << "";
        QTest::newRow("vazio") << "" << int(TTroco::ValorErrado) << "";
        QTest::newRow("ponto decimal") << "20.5" << int(TTroco::ValorErrado) << "";
    }
    void troco()
    {
        QFETCH(QString, pago);
        QFETCH(int, situacao);
        QFETCH(QString, troco);
        const TTroco r = CalcularTroco(pago, 19.0);
        QCOMPARE(int(r.situacao), situacao);
        if (r.situacao == TTroco::Ok)
            QCOMPARE(FormatarValor(r.troco), troco);
    }

    void conferencia_data()
    {
        QTest::addColumn<int>("itens");
        QTest::addColumn<QString>("cliente");
        QTest::addColumn<QString>("forma");
        QTest::addColumn<int>("falha");
        QTest::newRow("ok") << 1 << kConsumidorPadrao << "DINHEIRO" << int(TFalhaVenda::Nenhuma);
        QTest::newRow("sem itens") << 0 << kConsumidorPadrao << "DINHEIRO" << int(TFalhaVenda::SemItens);
        QTest::newRow("sem cliente") << 1 << "" << "" << int(TFalhaVenda::SemCliente);
        QTest::newRow("sem forma") << 1 << kConsumidorPadrao << "" << int(TFalhaVenda::SemFormaPagamento);
        QTest::newRow("prazo consumidor") << 1 << kConsumidorPadrao << "PRAZO" << int(TFalhaVenda::PrazoSemCliente);
        QTest::newRow("prazo cliente") << 1 << "JOAO DA SILVA" << "PRAZO" << int(TFalhaVenda::Nenhuma);
        QTest::newRow("forma digitada") << 1 << kConsumidorPadrao << "VALE" << int(TFalhaVenda::Nenhuma);
    }
    void conferencia()
    {
        QFETCH(int, itens);
        QFETCH(QString, cliente);
        QFETCH(QString, forma);
        QFETCH(int, falha);
        QCOMPARE(int(ConferirVenda(itens, cliente, forma)), falha);
    }
};

//==================================================================================================

namespace {

// A tela de vendas aberta e ativa.
struct TelaVenda
{
    explicit TelaVenda() : frm(std::make_unique<Tfrm_CadVendas>())
    {
        frm->show();
        if (!QTest::qWaitForWindowActive(frm.get()))
            qWarning("tela de vendas não ficou ativa");
    }
    template <typename T = QLineEdit> T* w(const char* nome) const { return frm->findChild<T*>(QLatin1String(nome)); }
    QLineEdit* produto() const { return w("edt_Produto"); }
    QWidget* pn3() const { return w<QWidget>("pn_3"); }
    QWidget* pnTroco() const { return w<QWidget>("pn_troco"); }
    QComboBox* forma() const { return w<QComboBox>("cb_FormaPagamento"); }
    QTableView* grade() const { return w<QTableView>("dbg_Itens"); }
    void bipar(const QString& codigo) const
    {
        produto()->setFocus();
        QTest::keyClicks(produto(), codigo);
        QTest::keyClick(produto(), Qt::Key_Return);
    }
    void abrirFechamento() const { QTest::mouseClick(w<QPushButton>("btnFechar"), Qt::LeftButton); }
    void escolherForma(const QString& texto) const
    {
        forma()->setFocus();
        forma()->setEditText(texto);
    }
    void pagar(const QString& valor) const
    {
        w("edt_pago")->setFocus();
        w("edt_pago")->clear();
        QTest::keyClicks(w("edt_pago"), valor);
        QTest::keyClick(w("edt_pago"), Qt::Key_Return);
    }
    void gravar() const { QTest::mouseClick(w<QPushButton>("btn_GravarVenda"), Qt::LeftButton); }
    int linhas() const
    {
        return ModuloDados->Qry_Itens_Venda->ativo() ? ModuloDados->Qry_Itens_Venda->registros() : 0;
    }
    std::unique_ptr<Tfrm_CadVendas> frm;
};

// Roteiro da lista de produtos: escolhe o produto pelo nome com Enter na grade.
std::function<int(QDialog*)> escolherProduto(const QString& nome)
{
    return [nome](QDialog* janela) {
        auto* grade = janela->findChild<QTableView*>(QStringLiteral("dbg_ListaEstoque"));
        if (!ModuloDados->Qry_Estoque->localizar(QStringLiteral("PRODUTO"), nome))
            return int(QDialog::Rejected);
        grade->setFocus();
        QTest::keyClick(grade, Qt::Key_Return);
        return janela->result();
    };
}

std::function<int(QDialog*)> escolherCliente(const QString& nome)
{
    return [nome](QDialog*) {
        if (!ModuloDados->Qry_Clientes->ativo())
            ModuloDados->AbreClientes();
        return ModuloDados->Qry_Clientes->localizar(QStringLiteral("NOME"), nome) ? int(QDialog::Accepted)
                                                                                  : int(QDialog::Rejected);
    };
}

} // namespace

class TesteTelaVendas : public QObject
{
    Q_OBJECT
private slots:
    void init() { FixarRelogio(QDateTime(QDate(2026, 12, 11), QTime(10, 0))); }
    void cleanup() { FixarRelogio(QDateTime()); }

    void abertura()
    {
        AmbienteTeste amb;
        TelaVenda t;
        QCOMPARE(t.frm->windowTitle(), QStringLiteral("VENDAS - [Pressione a tecla ESC para sair desta tela]"));
        QVERIFY(t.produto()->hasFocus());
        QVERIFY(!t.pn3()->isVisible());
        QVERIFY(!t.pnTroco()->isVisible());
        QVERIFY(t.w<QPushButton>("btnFechar")->isVisible());
        QVERIFY(!t.frm->Salvar1->isEnabled());
        QCOMPARE(t.w("edt_Cliente")->text(), kConsumidorPadrao);
        // sem Impressora.ini: o padrão da leitura
        QCOMPARE(t.w<QLabel>("Barrastatus_Painel1")->text(), QStringLiteral("Impressora definida : Erro ao ler o valor"));
    }

    void impressoraDasVendasNaBarra()
    {
        AmbienteTeste amb;
        QFile ini(amb.pastaAplicacao() + "Impressora.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[IMPRESSORA_VENDAS]\r\nNOME=TERMICA BALCAO\r\n");
        ini.close();
        TelaVenda t;
        QCOMPARE(t.w<QLabel>("Barrastatus_Painel1")->text(), QStringLiteral("Impressora definida : TERMICA BALCAO"));
    }

    void produtoPorCodigoDeBarras()
    {
        AmbienteTeste amb;
        const int capa = inserirProduto(amb, "CAPA", 10.50, "789100");
        inserirProduto(amb, "CAPA AZUL", 12, "789100"); // código repetido: vale o primeiro
        const int chip = inserirProduto(amb, "CHIP", 4.25, "789200");
        TelaVenda t;
        t.bipar("789100");
        t.bipar("789200");
        t.bipar("789200"); // duas vezes: duas linhas de 1
        QCOMPARE(t.linhas(), 3);
        QVERIFY(t.produto()->text().isEmpty());
        QVERIFY(t.produto()->hasFocus());
        QVERIFY(t.frm->Salvar1->isEnabled());
        const auto linhas = amb.registros("SELECT * FROM ITENS_VENDA ORDER BY CDCONTROLE");
        QCOMPARE(linhas.size(), 3);
        QCOMPARE(linhas[0].value("CDPRODUTO").toInt(), capa);
        QCOMPARE(linhas[0].value("VALOR_PRODUTO").toDouble(), 10.50);
        for (const auto& l : linhas) {
            QCOMPARE(l.value("NRVENDA").toInt(), 1);
            QCOMPARE(l.value("QTDE").toDouble(), 1.0);
        }
        QCOMPARE(linhas[2].value("CDPRODUTO").toInt(), chip);
        QCOMPARE(ModuloDados->TotaldaVenda(1), 19.0);
    }

    void textoQueNaoEhCodigo_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("nome") << "CAPA";
        QTest::newRow("código desconhecido") << "123";
        QTest::newRow("letras e números") << "789100A";
    }
    void textoQueNaoEhCodigo()
    {
        QFETCH(QString, texto);
        AmbienteTeste amb;
        inserirProduto(amb, "CAPA", 10, "789100");
        TelaVenda t;
        t.bipar(texto);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_VENDA").toInt(), 0);
        QCOMPARE(t.produto()->text(), texto);
        QVERIFY(amb.dialogos().mostrados().isEmpty());
    }

    void produtoPelaLista()
    {
        AmbienteTeste amb;
        inserirProduto(amb, "CAPA", 10);
        const int cabo = inserirProduto(amb, "CABO", 24.90);
        TelaVenda t;
        amb.dialogos().aoAbrirJanela(escolherProduto("CABO"));
        t.bipar(QString());
        QCOMPARE(amb.dialogos().janelasAbertas(), QStringList{"Tfrm_CadProdutos"});
        QCOMPARE(amb.valor("SELECT CDPRODUTO FROM ITENS_VENDA").toInt(), cabo);
        QCOMPARE(t.linhas(), 1);
        QVERIFY(t.produto()->text().isEmpty());
        // fechada sem escolher: nada entra
        t.bipar(QString());
        QCOMPARE(t.linhas(), 1);
        QVERIFY(t.produto()->text().isEmpty());
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void salvarSemItens()
    {
        AmbienteTeste amb;
        TelaVenda t;
        t.abrirFechamento();
        QCOMPARE(amb.dialogos().ultimaMensagem(), MensagemDaFalha(TFalhaVenda::SemItens));
        QVERIFY(!t.pn3()->isVisible());
        // Ctrl+S no produto com o menu desabilitado faz o mesmo
        amb.dialogos().limpar();
        QTest::keyClick(t.produto(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{MensagemDaFalha(TFalhaVenda::SemItens)});
        QVERIFY(!t.pn3()->isVisible());
    }

    void ctrlSAbreOFechamento()
    {
        AmbienteTeste amb;
        inserirProduto(amb, "CAPA", 10, "1");
        TelaVenda t;
        t.bipar("1");
        QTest::keyClick(t.produto(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(t.pn3()->isVisible());
        QVERIFY(t.w("edt_Cliente")->hasFocus());
        QCOMPARE(t.w("edt_Cliente")->selectedText(), kConsumidorPadrao);
        QVERIFY(amb.dialogos().mensagens().isEmpty());
    }

    void vendaEmDinheiroComTroco()
    {
        AmbienteTeste amb;
        const int a = inserirProduto(amb, "CABO", 10.50, "1", 5);
        const int b = inserirProduto(amb, "CHIP", 4.25, "2", 5);
        TelaVenda t;
        t.bipar("1");
        t.bipar("2");
        t.bipar("2");
        t.abrirFechamento();
        QVERIFY(!t.w<QPushButton>("btnFechar")->isVisible());
        t.escolherForma("DINHEIRO");
        QVERIFY(t.pnTroco()->isVisible());
        QCOMPARE(t.w("edt_total_da_venda")->text(), QStringLiteral("19,00"));
        QVERIFY(t.w("edt_pago")->hasFocus());

        t.pagar("18,99");
        QCOMPARE(amb.dialogos().mensagens(), (QStringList{"Foi informado um valor pago menor que o valor total!",
                                                          "O Valor digitado está errado!"}));
        QVERIFY(t.w("edt_pago")->hasFocus());
        t.pagar("20");
        QCOMPARE(t.w("edt_pago")->text(), QStringLiteral("20,00"));
        QCOMPARE(t.w("edt_troco")->text(), QStringLiteral("1,00"));
        QVERIFY(t.w("edt_troco")->hasFocus());
        t.pagar("19");
        QCOMPARE(t.w("edt_troco")->text(), QStringLiteral("0,00"));
        t.pagar("1.000,00");
        QCOMPARE(t.w("edt_troco")->text(), QStringLiteral("981,00"));
        // segundo Enter sobre o valor já mostrado com milhar
        QTest::keyClick(t.w("edt_pago"), Qt::Key_Return);
        QCOMPARE(t.w("edt_pago")->text(), QStringLiteral("1.000,00"));
        QCOMPARE(t.w("edt_troco")->text(), QStringLiteral("981,00"));

        amb.dialogos().limpar();
        QTest::keyClick(t.w("edt_troco"), Qt::Key_Return); // Enter no troco grava
        const auto venda = amb.registros("SELECT * FROM VENDA");
        QCOMPARE(venda.size(), 1);
        QCOMPARE(venda[0].value("NRVENDA").toInt(), 1);
        QCOMPARE(venda[0].value("CLIENTE").toString(), kConsumidorPadrao);
        QCOMPARE(venda[0].value("CDCLIENTE").toInt(), 0);
        QCOMPARE(venda[0].value("FORMA_PAGAMENTO").toString(), QStringLiteral("DINHEIRO"));
        QCOMPARE(venda[0].value("DATA_VENDA").toDate(), QDate(2026, 12, 11));
        QCOMPARE(venda[0].value("VALOR_DESCONTO").toDouble(), 0.0);
        QCOMPARE(venda[0].value("PAGO").toString(), QStringLiteral("S"));
        QCOMPARE(estoque(amb, a), 4.0);
        QCOMPARE(estoque(amb, b), 3.0);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM RECEBER").toInt(), 0);
        // de volta à entrada, pronta para a próxima venda
        QVERIFY(!t.pn3()->isVisible());
        QVERIFY(!t.pnTroco()->isVisible());
        QVERIFY(t.w<QPushButton>("btnFechar")->isVisible());
        QVERIFY(t.produto()->hasFocus());
        QCOMPARE(t.linhas(), 0);
        QVERIFY(t.forma()->currentText().isEmpty());
        QCOMPARE(ModuloDados->GerarNrodaVenda(), 2);
        QCOMPARE(t.frm->ultimaVendaGravada(), 1);
        QVERIFY(amb.dialogos().mensagens().isEmpty());
    }

    void dinheiroSemValorPagoGrava()
    {
        AmbienteTeste amb;
        inserirProduto(amb, "CAPA", 10, "1");
        TelaVenda t;
        t.bipar("1");
        t.abrirFechamento();
        t.escolherForma("DINHEIRO");
        t.gravar();
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM VENDA").toInt(), 1);
    }

    void conferenciasDoGravar()
    {
        AmbienteTeste amb;
        inserirProduto(amb, "CAPA", 10, "1");
        TelaVenda t;
        t.bipar("1");
        t.abrirFechamento();
        // sem forma de pagamento
        t.gravar();
        QCOMPARE(amb.dialogos().ultimaMensagem(), MensagemDaFalha(TFalhaVenda::SemFormaPagamento));
        QVERIFY(t.forma()->hasFocus());
        // a prazo para o consumidor padrão
        t.escolherForma("PRAZO");
        t.gravar();
        QCOMPARE(amb.dialogos().ultimaMensagem(), MensagemDaFalha(TFalhaVenda::PrazoSemCliente));
        QVERIFY(t.forma()->hasFocus());
        // cliente vazio: a busca fechada sem cliente (código 0 não existe)
        amb.dialogos().aoAbrirJanela([](QDialog*) { return int(QDialog::Rejected); });
        QTest::mouseClick(t.w<QPushButton>("btnBuscarCliente"), Qt::LeftButton);
        QVERIFY(t.w("edt_Cliente")->text().isEmpty());
        t.frm->activateWindow(); // a janela roteirizada não devolve a ativação sozinha
        QVERIFY(QTest::qWaitForWindowActive(t.frm.get()));
        t.gravar();
        QCOMPARE(amb.dialogos().ultimaMensagem(), MensagemDaFalha(TFalhaVenda::SemCliente));
        QVERIFY(t.w("edt_Cliente")->hasFocus());
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM VENDA").toInt(), 0);
        // F2 volta ao consumidor padrão
        QTest::keyClick(t.w("edt_Cliente"), Qt::Key_F2);
        QCOMPARE(t.w("edt_Cliente")->text(), kConsumidorPadrao);
        QVERIFY(t.pn3()->isVisible());
    }

    void gravarSemLinhasRecusa()
    {
        AmbienteTeste amb;
        inserirProduto(amb, "CAPA", 10, "1");
        TelaVenda t;
        t.bipar("1");
        t.abrirFechamento();
        t.grade()->setFocus();
        QTest::keyClick(t.grade(), Qt::Key_Delete); // a última linha sai com o fechamento aberto
        t.escolherForma("PIX");
        t.gravar();
        QCOMPARE(amb.dialogos().ultimaMensagem(), MensagemDaFalha(TFalhaVenda::SemItens));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM VENDA").toInt(), 0);
    }

    void prazoComClienteEDuasVendasSeguidas()
    {
        AmbienteTeste amb;
        inserirProduto(amb, "CAPA", 10, "1");
        const int joao = inserirCliente(amb, "JOAO DA SILVA");
        inserirCliente(amb, "MARIA");
        TelaVenda t;
        t.bipar("1");
        t.abrirFechamento();
        amb.dialogos().aoAbrirJanela(escolherCliente("JOAO DA SILVA"));
        QTest::mouseClick(t.w<QPushButton>("btnBuscarCliente"), Qt::LeftButton);
        QCOMPARE(t.w("edt_Cliente")->text(), QStringLiteral("JOAO DA SILVA"));
        t.escolherForma("PRAZO");
        t.gravar();
        // segunda venda sem mexer no cliente
        t.bipar("1");
        t.bipar("1");
        t.abrirFechamento();
        QCOMPARE(t.w("edt_Cliente")->text(), QStringLiteral("JOAO DA SILVA"));
        t.escolherForma("CARTAO DEBITO");
        t.gravar();
        const auto vendas = amb.registros("SELECT * FROM VENDA ORDER BY NRVENDA");
        QCOMPARE(vendas.size(), 2);
        for (const auto& v : vendas) {
            QCOMPARE(v.value("CLIENTE").toString(), QStringLiteral("JOAO DA SILVA"));
            QCOMPARE(v.value("CDCLIENTE").toInt(), joao);
        }
        QCOMPARE(vendas[0].value("PAGO").toString(), QStringLiteral("N"));
        const auto contas = amb.registros("SELECT * FROM RECEBER");
        QCOMPARE(contas.size(), 1);
        QCOMPARE(contas[0].value("CDCLIENTE").toInt(), joao);
        QCOMPARE(contas[0].value("NRVENDA").toInt(), 1);
        QCOMPARE(contas[0].value("VALOR_DEVIDO").toDouble(), 10.0);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_VENDA WHERE NRVENDA = 2").toInt(), 2);
    }

    // F2 volta ao consumidor padrão também no código: a venda não fica com o cliente de antes
    void f2ZeraOCliente()
    {
        AmbienteTeste amb;
        inserirProduto(amb, "CAPA", 10, "1");
        inserirCliente(amb, "JOAO DA SILVA");
        TelaVenda t;
        t.bipar("1");
        t.abrirFechamento();
        amb.dialogos().aoAbrirJanela(escolherCliente("JOAO DA SILVA"));
        QTest::mouseClick(t.w<QPushButton>("btnBuscarCliente"), Qt::LeftButton);
        QTest::keyClick(t.w("edt_Cliente"), Qt::Key_F2);
        t.escolherForma("DINHEIRO");
        t.gravar();
        QCOMPARE(amb.valor("SELECT CDCLIENTE FROM VENDA").toInt(), 0);
        QCOMPARE(amb.valor("SELECT CLIENTE FROM VENDA").toString(), kConsumidorPadrao);
    }

    void delECorrecaoNaGrade()
    {
        AmbienteTeste amb;
        inserirProduto(amb, "CAPA", 10, "1");
        inserirProduto(amb, "CABO", 20, "2");
        TelaVenda t;
        t.bipar("1");
        t.bipar("2");
        QVERIFY(ModuloDados->Qry_Itens_Venda->localizar("PRODUTO", "CAPA"));
        t.grade()->setFocus();
        // a grade não edita
        QCOMPARE(t.grade()->editTriggers(), QAbstractItemView::NoEditTriggers);

        // correção fechada sem "Ok": a linha fica como estava
        amb.dialogos().aoAbrirJanela([](QDialog* j) {
            j->findChild<QLineEdit*>("edt_QTD")->setText("7");
            return int(QDialog::Rejected);
        });
        QTest::keyClick(t.grade(), Qt::Key_Return);
        QCOMPARE(ModuloDados->TotaldaVenda(1), 30.0);

        QString qtdeMostrada;
        QString valorMostrado;
        amb.dialogos().aoAbrirJanela([&](QDialog* j) {
            auto* qtd = j->findChild<QLineEdit*>("edt_QTD");
            auto* valor = j->findChild<QLineEdit*>("edt_ValorUnitario");
            qtdeMostrada = qtd->text();
            valorMostrado = valor->text();
            qtd->setText("2,5");
            valor->setText("10");
            QTest::mouseClick(j->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
            return j->result();
        });
        QVERIFY(ModuloDados->Qry_Itens_Venda->localizar("PRODUTO", "CAPA"));
        QTest::keyClick(t.grade(), Qt::Key_Return);
        QCOMPARE(qtdeMostrada, QStringLiteral("1"));
        QCOMPARE(valorMostrado, QStringLiteral("10"));
        const auto capa = amb.registros("SELECT I.* FROM ITENS_VENDA I JOIN ESTOQUE E ON E.CDCONTROLE = I.CDPRODUTO "
                                        "WHERE E.PRODUTO = 'CAPA'");
        QCOMPARE(capa[0].value("QTDE").toDouble(), 2.5);
        QCOMPARE(capa[0].value("VALOR_PRODUTO").toDouble(), 10.0);
        QCOMPARE(capa[0].value("VALOR_TOTAL").toDouble(), 25.0);

        QVERIFY(ModuloDados->Qry_Itens_Venda->localizar("PRODUTO", "CABO"));
        QTest::keyClick(t.grade(), Qt::Key_Delete);
        QCOMPARE(t.linhas(), 1);
        QCOMPARE(ModuloDados->Qry_Itens_Venda->campo("PRODUTO").toString(), QStringLiteral("CAPA"));
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void escApagaAsLinhasAbertas()
    {
        AmbienteTeste amb;
        const int p = inserirProduto(amb, "CAPA", 10, "1");
        venderDireto(1, {p});
        TelaVenda t;
        t.bipar("1");
        t.bipar("1");
        t.abrirFechamento();
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_VENDA WHERE NRVENDA = 2").toInt(), 2);
        QTest::keyClick(t.w("edt_Cliente"), Qt::Key_Escape);
        QVERIFY(!t.frm->isVisible());
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_VENDA WHERE NRVENDA = 2").toInt(), 0);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_VENDA WHERE NRVENDA = 1").toInt(), 1);
        QVERIFY(!ModuloDados->Qry_Itens_Venda->ativo());
    }

    void imprimirSemVendaGravada()
    {
        AmbienteTeste amb;
        TelaVenda t;
        t.frm->Imprimir1->setEnabled(true);
        t.frm->Imprimir1->trigger();
        QCOMPARE(amb.dialogos().ultimaMensagem(),
                 QStringLiteral("Atenção\nNenhuma venda foi gravada nesta tela para reimprimir"));
    }

    void gerenciarVendasAbreALista()
    {
        AmbienteTeste amb;
        TelaVenda t;
        QVERIFY(t.frm->GerenciarVendas1->isEnabled());
        QTest::keyClick(t.produto(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(amb.dialogos().janelasAbertas(), QStringList{"Tfrm_Lista_Vendas"});
    }
};

//==================================================================================================

namespace {
struct TelaLista
{
    TelaLista() : frm(std::make_unique<Tfrm_Lista_Vendas>())
    {
        frm->show();
        if (!QTest::qWaitForWindowActive(frm.get()))
            qWarning("lista de vendas não ficou ativa");
    }
    template <typename T = QLineEdit> T* w(const char* nome) const { return frm->findChild<T*>(QLatin1String(nome)); }
    void preencher(const char* campo, const QString& texto) const
    {
        w(campo)->setFocus();
        w(campo)->selectAll();
        if (texto.isEmpty())
            w(campo)->clear();
        else
            QTest::keyClicks(w(campo), texto);
    }
    void ok() const { QTest::mouseClick(w<QPushButton>("btnBuscar"), Qt::LeftButton); }
    QStringList numeros() const
    {
        QStringList r;
        TDataset* ds = frm->Qry_Vendas();
        for (int i = 0; ds->ativo() && i < ds->registros(); ++i)
            r << ds->valor(i, "NRVENDA").toString();
        return r;
    }
    bool botoes() const
    {
        return w<QPushButton>("btnExcluir")->isEnabled();
    }
    std::unique_ptr<Tfrm_Lista_Vendas> frm;
};

// Vendas da lista: 1 e 3 da JOAO DA SILVA (a 3 quitada), 2 e 4 do consumidor, 5 da SILVA MOVEIS.
void prepararVendas(AmbienteTeste& amb)
{
    const int a = inserirProduto(amb, "CAPA", 10);
    const int b = inserirProduto(amb, "CABO", 4.25);
    const int joao = inserirCliente(amb, "JOAO DA SILVA");
    const int moveis = inserirCliente(amb, "SILVA MOVEIS");
    venderDireto(1, {a, b}, "JOAO DA SILVA", joao, "PRAZO", QDate(2026, 12, 1));
    venderDireto(2, {a}, kConsumidorPadrao, 0, "DINHEIRO", QDate(2026, 12, 2));
    venderDireto(3, {b}, "JOAO DA SILVA", joao, "PRAZO", QDate(2026, 12, 3));
    amb.exec("UPDATE RECEBER SET VALOR_PAGO = VALOR_DEVIDO WHERE NRVENDA = 3");
    venderDireto(4, {b, b}, kConsumidorPadrao, 0, "PIX", QDate(2026, 12, 5));
    venderDireto(5, {a}, "SILVA MOVEIS", moveis, "CHEQUE", QDate(2026, 12, 7));
    amb.exec("UPDATE VENDA SET PAGO = NULL WHERE NRVENDA = 5");
}
} // namespace

class TesteListaVendas : public QObject
{
    Q_OBJECT
private slots:
    void abertura()
    {
        AmbienteTeste amb;
        prepararVendas(amb);
        TelaLista t;
        QCOMPARE(t.frm->windowTitle(), QStringLiteral("Lista de Vendas"));
        QVERIFY(!t.frm->Qry_Vendas()->ativo());
        for (const char* b : {"btnImprimirVenda", "btnExcluir", "btnQuitar"})
            QVERIFY(!t.w<QPushButton>(b)->isEnabled());
        t.ok(); // nada preenchido: nada muda
        QVERIFY(!t.frm->Qry_Vendas()->ativo());
    }

    void buscas_data()
    {
        QTest::addColumn<QString>("inicio");
        QTest::addColumn<QString>("fim");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("vendas");
        QTest::newRow("número") << "" << "" << "3" << "" << QStringList{"3"};
        QTest::newRow("nome no meio") << "" << "" << "" << "SILVA" << QStringList{"1", "3", "5"};
        QTest::newRow("consumidor") << "" << "" << "" << "CONSUMIDOR" << QStringList{"2", "4"};
        QTest::newRow("nome decide sobre o número") << "" << "" << "2" << "MOVEIS" << QStringList{"5"};
        QTest::newRow("período com as pontas") << "02122026" << "05122026" << "" << "" << QStringList{"2", "3", "4"};
        QTest::newRow("período e nome") << "01122026" << "05122026" << "" << "SILVA" << QStringList{"1", "3"};
        QTest::newRow("número fora do período") << "04122026" << "31122026" << "1" << "" << QStringList{};
        QTest::newRow("número inexistente") << "" << "" << "99" << "" << QStringList{};
    }
    void buscas()
    {
        QFETCH(QString, inicio);
        QFETCH(QString, fim);
        QFETCH(QString, numero);
        QFETCH(QString, nome);
        QFETCH(QStringList, vendas);
        AmbienteTeste amb;
        prepararVendas(amb);
        TelaLista t;
        t.preencher("edt_DtInicial", inicio);
        t.preencher("edt_Dtfinal", fim);
        t.preencher("edt_NrVenda", numero);
        t.preencher("edt_cliente", nome);
        t.ok();
        QCOMPARE(t.numeros(), vendas);
        QCOMPARE(t.botoes(), !vendas.isEmpty());
    }

    void totalESituacao()
    {
        AmbienteTeste amb;
        prepararVendas(amb);
        TelaLista t;
        t.preencher("edt_cliente", "A");
        t.ok();
        TDataset* ds = t.frm->Qry_Vendas();
        QCOMPARE(t.numeros(), (QStringList{"1", "2", "3", "4", "5"}));
        const QStringList situacoes{"Venda aberta", "Venda quitada", "Venda quitada", "Venda quitada", "Venda aberta"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(ds->valor(i, "SITUACAO").toString(), situacoes[i]);
        QCOMPARE(FormatarValor(ds->valor(0, "TOTAL_DA_VENDA").toDouble()), QStringLiteral("14,25"));
        QCOMPARE(FormatarValor(ds->valor(3, "TOTAL_DA_VENDA").toDouble()), QStringLiteral("8,50"));
        // os títulos da grade
        QCOMPARE(ds->headerData(ds->colunaDe("SITUACAO"), Qt::Horizontal).toString(), QStringLiteral("Situação"));
        QCOMPARE(ds->headerData(ds->colunaDe("TOTAL_DA_VENDA"), Qt::Horizontal).toString(),
                 QStringLiteral("Total da venda"));
        QVERIFY(t.w<QTableView>("dbg_Lista_Vendas")->isColumnHidden(ds->colunaDe("PAGO")));
    }

    void enterNaDataFinalRepeteABuscaNoPeriodo()
    {
        AmbienteTeste amb;
        prepararVendas(amb);
        TelaLista t;
        t.preencher("edt_cliente", "SILVA");
        t.ok();
        t.preencher("edt_DtInicial", "02122026");
        QTest::keyClick(t.w("edt_DtInicial"), Qt::Key_Return);
        QVERIFY(t.w("edt_Dtfinal")->hasFocus());
        QTest::keyClicks(t.w("edt_Dtfinal"), "31122026");
        QTest::keyClick(t.w("edt_Dtfinal"), Qt::Key_Return);
        QCOMPARE(t.numeros(), (QStringList{"3", "5"}));
    }

    void excluir()
    {
        AmbienteTeste amb;
        prepararVendas(amb);
        TelaLista t;
        t.preencher("edt_NrVenda", "2");
        t.ok();
        amb.dialogos().responder(false);
        QTest::mouseClick(t.w<QPushButton>("btnExcluir"), Qt::LeftButton);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM VENDA WHERE NRVENDA = 2").toInt(), 1);
        amb.dialogos().responder(true);
        QTest::mouseClick(t.w<QPushButton>("btnExcluir"), Qt::LeftButton);
        const auto perguntas = amb.dialogos().mostrados();
        QCOMPARE(perguntas.last().texto, QStringLiteral("Confirma excluir esta venda?"));
        QCOMPARE(perguntas.last().titulo, QStringLiteral("ATENÇÃO"));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM VENDA WHERE NRVENDA = 2").toInt(), 0);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_VENDA WHERE NRVENDA = 2").toInt(), 0);
        // a única venda listada saiu: grade vazia, botões desabilitados
        QVERIFY(t.numeros().isEmpty());
        for (const char* b : {"btnImprimirVenda", "btnExcluir", "btnQuitar"})
            QVERIFY(!t.w<QPushButton>(b)->isEnabled());
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void escFechaALista()
    {
        AmbienteTeste amb;
        prepararVendas(amb);
        TelaLista t;
        t.preencher("edt_NrVenda", "1");
        t.ok();
        QTest::keyClick(t.w("edt_NrVenda"), Qt::Key_Escape);
        QVERIFY(!t.frm->isVisible());
        QVERIFY(!t.frm->Qry_Vendas()->ativo());
    }
};

//==================================================================================================

class TesteAlterarQtde : public QObject
{
    Q_OBJECT
private slots:
    void mensagensEOk_data()
    {
        QTest::addColumn<QString>("qtde");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QStringList>("mensagens");
        QTest::newRow("certo") << "2,5" << "10" << QStringList{};
        QTest::newRow("qtde errada") << "2.5" << "10" << QStringList{"Qtde foi digitada errada!"};
        QTest::newRow("valor errado") << "2" << "dez" << QStringList{"Valor foi digitada errado!"};
    }
    void mensagensEOk()
    {
        QFETCH(QString, qtde);
        QFETCH(QString, valor);
        QFETCH(QStringList, mensagens);
        AmbienteTeste amb;
        ModuloDados->vQtdeAlteradanaVenda = -1;
        ModuloDados->vValoralteradonaVenda = -1;
        Tfrm_Alterar_qtde_e_valor dlg;
        dlg.preencher(1, 9.9);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto* qtd = dlg.findChild<QLineEdit*>("edt_QTD");
        auto* unit = dlg.findChild<QLineEdit*>("edt_ValorUnitario");
        QVERIFY(qtd->hasFocus());
        QCOMPARE(qtd->text(), QStringLiteral("1"));
        QCOMPARE(unit->text(), QStringLiteral("9,9"));
        qtd->clear();
        QTest::keyClicks(qtd, qtde);
        QTest::keyClick(qtd, Qt::Key_Return);
        if (!mensagens.isEmpty() && mensagens[0].startsWith("Qtde")) {
            QCOMPARE(amb.dialogos().mensagens(), mensagens);
            QVERIFY(qtd->hasFocus());
            return;
        }
        QVERIFY(unit->hasFocus());
        unit->clear();
        QTest::keyClicks(unit, valor);
        QTest::keyClick(unit, Qt::Key_Return);
        QCOMPARE(amb.dialogos().mensagens(), mensagens);
        if (!mensagens.isEmpty()) {
            QVERIFY(unit->hasFocus());
            // "Ok" com o valor errado: o erro da conversão aparece e nada muda
            amb.dialogos().limpar();
            QTest::mouseClick(dlg.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
            QCOMPARE(amb.dialogos().mensagens().size(), 1);
            QVERIFY(dlg.isVisible());
            QCOMPARE(ModuloDados->vQtdeAlteradanaVenda, -1.0);
            return;
        }
        QVERIFY(dlg.findChild<QPushButton*>("btnOK")->hasFocus());
        QTest::mouseClick(dlg.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(ModuloDados->vQtdeAlteradanaVenda, 2.5);
        QCOMPARE(ModuloDados->vValoralteradonaVenda, 10.0);
    }
};

REGISTRAR_TESTE(TesteDadosVendas)
REGISTRAR_TESTE(TesteRegrasVenda)
REGISTRAR_TESTE(TesteTelaVendas)
REGISTRAR_TESTE(TesteListaVendas)
REGISTRAR_TESTE(TesteAlterarQtde)
#include "tst_vendas.moc"
