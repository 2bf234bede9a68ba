// Pedidos de compra: o formato do material, as operações do módulo de dados, a janela do pedido
// dirigida como o usuário a usa e a lista de pedidos com o período e o cliente.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include "core/u_CaixaPesquisa.h"
#include "core/u_Relogio.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "purchasing/u_CadPedidodeCompra.h"
#include "purchasing/u_Lista_Pedido_Compras.h"
#include "purchasing/u_MaterialPedido.h"
#include "support/suporte.h"

namespace {

// Números que a janela mandou imprimir (a impressão de verdade é testada com ela).
QVector<int> g_impressos;

OpcoesAmbiente comDemo()
{
    OpcoesAmbiente op;
    op.demo = true;
    return op;
}

int cliente(AmbienteTeste& amb, const QString& nome)
{
    return amb.valor("SELECT CDCONTROLE FROM CLIENTES WHERE NOME = :N", {{"N", nome}}).toInt();
}

int inserirPedido(AmbienteTeste& amb, int cdCliente, const QDate& data, const QString& material = "TELA#\r\n")
{
    amb.exec("INSERT INTO PEDIDO_DE_COMPRA (CDCLIENTE, DATA_PEDIDO, MARCA, MODELO, MATERIAL_PEDIDO, PEDIDOCOMPRADO, "
             "STATUS) VALUES (:C, :D, 'SAMSUNG', 'GALAXY A01', :M, 'N', 'Aberto')",
             {{"C", cdCliente}, {"D", data}, {"M", material}});
    return amb.valor("SELECT MAX(CDCONTROLE) FROM PEDIDO_DE_COMPRA").toInt();
}

QSqlRecord pedido(AmbienteTeste& amb, int numero)
{
    return amb.registros("SELECT * FROM PEDIDO_DE_COMPRA WHERE CDCONTROLE = :N", {{"N", numero}}).value(0);
}

int pedidos(AmbienteTeste& amb)
{
    return amb.valor("SELECT COUNT(*) FROM PEDIDO_DE_COMPRA").toInt();
}

template <typename T> T* filho(const QWidget* janela, const char* nome)
{
    T* achado = janela->findChild<T*>(QString::fromLatin1(nome));
    if (!achado)
        qFatal("controle %s não encontrado", nome);
    return achado;
}

// A janela do pedido aberta e ativa, com atalhos para os controles.
struct Tela
{
    Tela() : frm(std::make_unique<Tfrm_CadPedidodeCompra>())
    {
        frm->setTag(1);
        frm->show();
        if (!QTest::qWaitForWindowActive(frm.get()))
            qWarning("janela do pedido não ficou ativa");
    }
    template <typename T> T* w(const char* nome) const { return filho<T>(frm.get(), nome); }
    QLineEdit* edt(const char* nome) const { return w<QLineEdit>(nome); }
    TCaixaPesquisa* caixaCliente() const { return w<TCaixaPesquisa>("LCD_Cliente"); }
    QListWidget* lista() const { return w<QListWidget>("lst_PEDIDO"); }
    QComboBox* marcas() const { return w<QComboBox>("CB_Marcas"); }
    QComboBox* status() const { return w<QComboBox>("CB_Status"); }
    QString numero() const { return w<QLabel>("lbl_NumerodoPedido")->text(); }
    bool numeroVisivel() const { return !w<QGroupBox>("gb_NumeroPedido")->isHidden(); }
    void digitar(QWidget* campo, const QString& texto) const
    {
        campo->setFocus();
        QTest::keyClicks(campo, texto);
    }
    void escolherCliente(const QString& inicio) const
    {
        caixaCliente()->limpar();
        digitar(caixaCliente()->editor(), inicio);
    }
    void material(const QString& texto) const
    {
        digitar(edt("edt_Material"), texto);
        QTest::keyClick(edt("edt_Material"), Qt::Key_Return);
    }
    QStringList linhas() const
    {
        QStringList l;
        for (int i = 0; i < lista()->count(); ++i)
            l << lista()->item(i)->text();
        return l;
    }
    void clicar(const char* botao) const { QTest::mouseClick(w<QAbstractButton>(botao), Qt::LeftButton); }
    // Preenche um pedido novo completo.
    void preencher(const QString& inicioCliente, const QStringList& materiais) const
    {
        escolherCliente(inicioCliente);
        digitar(marcas()->lineEdit(), "SAMSUNG");
        digitar(edt("edt_Modelo"), "galaxy a10");
        for (const QString& m : materiais)
            material(m);
    }
    std::unique_ptr<Tfrm_CadPedidodeCompra> frm;
};

// Roteiro da lista de pedidos: lista todos (datas vazias) e escolhe o pedido de número 'numero'.
std::function<int(QDialog*)> escolherNaLista(int numero)
{
    return [numero](QDialog* janela) {
        auto* lista = qobject_cast<Tfrm_Lista_Pedido_Compra*>(janela);
        QTest::keyClick(filho<QLineEdit>(janela, "edt_DataFinal"), Qt::Key_Return);
        auto* grade = filho<QTableView>(janela, "dbg_PedidosCompra");
        if (!lista->Qry_Pedidos_de_Compra()->localizar("CDCONTROLE", numero))
            return int(QDialog::Rejected);
        grade->setFocus();
        QTest::keyClick(grade, Qt::Key_Return);
        return janela->result();
    };
}

} // namespace

//==================================================================================================

class TesteMaterialPedido : public QObject
{
    Q_OBJECT
private slots:
    void idaEVolta_data()
    {
        QTest::addColumn<QStringList>("linhas");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("lidas");
        QTest::newRow("duas linhas") << QStringList{"TELA#", "BATERIA#"} << QString("TELA#\r\nBATERIA#\r\n")
                                     << QStringList{"TELA#", "BATERIA#"};
        QTest::newRow("# dentro do material") << QStringList{"CABO #2#"} << QString("CABO #2#\r\n")
                                              << QStringList{"CABO #", "2#"};
        QTest::newRow("vazio") << QStringList{} << QString() << QStringList{};
        QTest::newRow("material em branco") << QStringList{" #", "X#"} << QString(" #\r\nX#\r\n")
                                            << QStringList{" #", "X#"};
    }
    void idaEVolta()
    {
        QFETCH(QStringList, linhas);
        QFETCH(QString, texto);
        QFETCH(QStringList, lidas);
        QCOMPARE(TextoDoMaterial(linhas), texto);
        QCOMPARE(LinhasDoMaterial(texto), lidas);
        // gravar de novo o que foi lido não cria linhas em branco
        QCOMPARE(LinhasDoMaterial(TextoDoMaterial(lidas)), lidas);
    }

    void leituraDeTextosGravados_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("lidas");
        QTest::newRow("sem quebra final") << QString("TELA#\r\nBATERIA#") << QStringList{"TELA#", "BATERIA#"};
        QTest::newRow("resto depois do último #") << QString("TELA#\r\nSOBRA") << QStringList{"TELA#"};
        QTest::newRow("só LF") << QString("A#\nB#\n") << QStringList{"A#", "B#"};
        QTest::newRow("sem #") << QString("NADA\r\n") << QStringList{};
    }
    void leituraDeTextosGravados()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, lidas);
        QCOMPARE(LinhasDoMaterial(texto), lidas);
    }
};

//==================================================================================================

class TesteDadosPedidoCompra : public QObject
{
    Q_OBJECT
private slots:
    void gravarAlterarLerExcluir()
    {
        AmbienteTeste amb(comDemo());
        const int maria = cliente(amb, "MARIA APARECIDA SOUZA");
        const int jose = cliente(amb, "JOSÉ CARLOS PEREIRA");
        QCOMPARE(ModuloDados->UltimoPedidoCompra(), 0);

        ModuloDados->GravarPedidodeCompra(maria, "05/03/2026", "SAMSUNG", "GALAXY A10", "TELA#\r\n", "N", "Aberto");
        const int n = ModuloDados->UltimoPedidoCompra();
        QVERIFY(n > 0);
        TPedidoCompra p = ModuloDados->FPedidoCompra(n);
        QCOMPARE(p.var_CDCONTROLE, n);
        QCOMPARE(p.var_CDCLIENTE, maria);
        QCOMPARE(p.var_DATA_PEDIDO, QDate(2026, 3, 5));
        QCOMPARE(p.var_MARCA, QString("SAMSUNG"));
        QCOMPARE(p.var_MODELO, QString("GALAXY A10"));
        QCOMPARE(p.var_MATERIALPEDIDO, QString("TELA#\r\n"));
        QCOMPARE(p.var_PEDIDOCOMPRADO, QString("N"));
        QCOMPARE(p.var_STATUS, QString("Aberto"));
        QCOMPARE(p.var_NOMECLIENTE, QString("MARIA APARECIDA SOUZA"));

        // a alteração não mexe em cliente, data nem comprado
        amb.exec("UPDATE PEDIDO_DE_COMPRA SET PEDIDOCOMPRADO = 'S'");
        ModuloDados->AlterarPedidoCompra(n, "MOTOROLA", "G8", "BATERIA#\r\n", "concluido");
        p = ModuloDados->FPedidoCompra(n);
        QCOMPARE(p.var_CDCLIENTE, maria);
        QCOMPARE(p.var_DATA_PEDIDO, QDate(2026, 3, 5));
        QCOMPARE(p.var_PEDIDOCOMPRADO, QString("S"));
        QCOMPARE(p.var_MARCA + "|" + p.var_MODELO + "|" + p.var_MATERIALPEDIDO + "|" + p.var_STATUS,
                 QString("MOTOROLA|G8|BATERIA#\r\n|concluido"));

        const int outro = inserirPedido(amb, jose, QDate(2026, 3, 6));
        QCOMPARE(ModuloDados->UltimoPedidoCompra(), outro);
        ModuloDados->ExcluirPedidodeCompra(n);
        QCOMPARE(ModuloDados->FPedidoCompra(n).var_CDCONTROLE, 0);
        QCOMPARE(pedidos(amb), 1);
    }

    void pedidoSemClienteNaoEAchado()
    {
        AmbienteTeste amb(comDemo());
        const int n = inserirPedido(amb, 999999, QDate(2026, 3, 6));
        const TPedidoCompra p = ModuloDados->FPedidoCompra(n);
        QCOMPARE(p.var_CDCONTROLE, 0);
        QCOMPARE(p.var_MARCA, QString());
        QVERIFY(p.var_DATA_PEDIDO.isNull());
    }

    void dataInvalidaNaoGrava()
    {
        AmbienteTeste amb(comDemo());
        QVERIFY_THROWS_EXCEPTION(EConversao, ModuloDados->GravarPedidodeCompra(cliente(amb, "JOÃO DA SILVA"),
                                                                                "31/02/2026", "", "", "TELA#\r\n", "N",
                                                                                "Aberto"));
        QCOMPARE(pedidos(amb), 0);
    }
};

//==================================================================================================

class TesteCadPedidodeCompra : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // a impressão registra a sua tela; aqui basta saber que número foi pedido
        RegistrarTela("ImprimePedidoCompra",
                      [](QWidget*) { g_impressos << ModuloDados->vCDCONTROLE_PEDIDO_DE_COMPRA; });
    }
    void init()
    {
        g_impressos.clear();
        FixarRelogio(QDateTime(QDate(2026, 3, 10), QTime(9, 30)));
    }
    void cleanup() { FixarRelogio(QDateTime()); }

    void abertura()
    {
        AmbienteTeste amb(comDemo());
        Tela t;
        QCOMPARE(t.frm->windowTitle(), QString("Pedido de Compra"));
        QCOMPARE(t.frm->tag(), 1);
        QCOMPARE(t.edt("edt_DtAberturaOS")->text(), QString("10/03/2026"));
        QCOMPARE(t.status()->count(), 3);
        QCOMPARE(t.status()->itemText(2), QString("concluido"));
        QCOMPARE(t.status()->currentText(), QString("Aberto"));
        QVERIFY(t.marcas()->findText("SAMSUNG") >= 0);
        QVERIFY(!ModuloDados->Qry_Marcas->ativo());
        QVERIFY(ModuloDados->Qry_Clientes->ativo());
        QVERIFY(!t.numeroVisivel());
        QCOMPARE(t.numero(), QString("0"));
        QCOMPARE(t.edt("edt_Material")->placeholderText(), QString("digite e em seguida pressione ENTER"));
        QCOMPARE(t.edt("edt_Material")->toolTip(), QString("ENTER insere material"));

        // Enter no material vazio não acrescenta; com texto acrescenta com "#" e o foco fica
        QTest::keyClick(t.edt("edt_Material"), Qt::Key_Return);
        QCOMPARE(t.lista()->count(), 0);
        t.material("tela");
        QCOMPARE(t.linhas(), QStringList{"TELA#"});
        QCOMPARE(t.edt("edt_Material")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_Material"));

        // Esc fecha e a lista de clientes fecha junto
        QTest::keyClick(t.edt("edt_Material"), Qt::Key_Escape);
        QVERIFY(t.frm->isHidden());
        QVERIFY(!ModuloDados->Qry_Clientes->ativo());
    }

    void salvarRecusado_data()
    {
        QTest::addColumn<QString>("cliente");
        QTest::addColumn<QStringList>("materiais");
        QTest::addColumn<QString>("mensagem");
        const QString semCliente = "Necessário informar para qual cliente você está fazendo o pedido";
        QTest::newRow("sem cliente") << QString() << QStringList{"TELA"} << semCliente;
        QTest::newRow("nome que não é de cliente") << QString("ZZZ") << QStringList{"TELA"} << semCliente;
        QTest::newRow("sem material") << QString("MARIA") << QStringList{}
                                      << QString("Você não especificou o que irá solicitar!");
    }
    void salvarRecusado()
    {
        QFETCH(QString, cliente);
        QFETCH(QStringList, materiais);
        QFETCH(QString, mensagem);
        AmbienteTeste amb(comDemo());
        Tela t;
        if (!cliente.isEmpty())
            t.escolherCliente(cliente);
        for (const QString& m : materiais)
            t.material(m);
        t.clicar("btn_Salvar");
        QCOMPARE(amb.dialogos().mensagens(), QStringList{mensagem});
        QCOMPARE(pedidos(amb), 0);
        QVERIFY(g_impressos.isEmpty());
        QCOMPARE(t.linhas().size(), materiais.size()); // nada foi limpo
    }

    void novoPedidoGravadoImpressoECarregado()
    {
        AmbienteTeste amb(comDemo());
        Tela t;
        t.preencher("MARIA", {"TELA", "BATERIA"});
        QCOMPARE(t.caixaCliente()->texto(), QString("MARIA APARECIDA SOUZA"));
        t.clicar("IMG_Salvar");

        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Pedido de Compra salvo!"});
        QCOMPARE(pedidos(amb), 1);
        const int n = amb.valor("SELECT MAX(CDCONTROLE) FROM PEDIDO_DE_COMPRA").toInt();
        const QSqlRecord r = pedido(amb, n);
        QCOMPARE(r.value("CDCLIENTE").toInt(), cliente(amb, "MARIA APARECIDA SOUZA"));
        QCOMPARE(r.value("DATA_PEDIDO").toDate(), QDate(2026, 3, 10));
        QCOMPARE(r.value("MARCA").toString(), QString("SAMSUNG"));
        QCOMPARE(r.value("MODELO").toString(), QString("GALAXY A10"));
        QCOMPARE(r.value("MATERIAL_PEDIDO").toString(), QString("TELA#\r\nBATERIA#\r\n"));
        QCOMPARE(r.value("PEDIDOCOMPRADO").toString(), QString("N"));
        QCOMPARE(r.value("STATUS").toString(), QString("Aberto"));
        QCOMPARE(g_impressos, QVector<int>{n});
        QCOMPARE(ModuloDados->vCDCONTROLE_PEDIDO_DE_COMPRA, 0); // a impressão não passa por escolha da lista

        // a janela limpa, ainda para pedido novo
        QCOMPARE(t.frm->tag(), 1);
        QCOMPARE(t.lista()->count(), 0);
        QCOMPARE(t.caixaCliente()->texto(), QString());
        QCOMPARE(t.marcas()->currentText(), QString());
        QCOMPARE(t.edt("edt_Modelo")->text(), QString());
        QCOMPARE(t.edt("edt_DtAberturaOS")->text(), QString("10/03/2026"));

        amb.dialogos().aoAbrirJanela(escolherNaLista(n));
        t.clicar("btn_Buscar");
        QCOMPARE(t.linhas(), (QStringList{"TELA#", "BATERIA#"}));
        QCOMPARE(t.frm->tag(), 2);
        QVERIFY(t.numeroVisivel());
        QCOMPARE(t.numero(), QString::number(n));
        QCOMPARE(t.caixaCliente()->texto(), QString("MARIA APARECIDA SOUZA"));
        QCOMPARE(t.marcas()->currentText(), QString("SAMSUNG"));
        QCOMPARE(t.edt("edt_Modelo")->text(), QString("GALAXY A10"));
        QCOMPARE(t.status()->currentText(), QString("Aberto"));
        QCOMPARE(ModuloDados->vCDCONTROLE_PEDIDO_DE_COMPRA, n);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void alterarMantemClienteDataELinhas()
    {
        AmbienteTeste amb(comDemo());
        const int maria = cliente(amb, "MARIA APARECIDA SOUZA");
        const int n = inserirPedido(amb, maria, QDate(2026, 3, 1), "TELA#\r\nBATERIA#\r\n");
        Tela t;
        amb.dialogos().aoAbrirJanela(escolherNaLista(n));
        t.clicar("btn_Buscar");
        QCOMPARE(t.frm->tag(), 2);

        // status, cliente e data mudados na tela: só o status vai para a base
        t.status()->setCurrentIndex(t.status()->findText("concluido"));
        t.escolherCliente("JOS");
        t.edt("edt_DtAberturaOS")->setText("20/03/2026");
        t.clicar("btn_Salvar");
        QCOMPARE(amb.dialogos().ultimaMensagem(), QString("Pedido de Compra salvo!"));
        QSqlRecord r = pedido(amb, n);
        QCOMPARE(r.value("STATUS").toString(), QString("concluido"));
        QCOMPARE(r.value("CDCLIENTE").toInt(), maria);
        QCOMPARE(r.value("DATA_PEDIDO").toDate(), QDate(2026, 3, 1));
        QCOMPARE(r.value("MATERIAL_PEDIDO").toString(), QString("TELA#\r\nBATERIA#\r\n"));
        QCOMPARE(t.frm->tag(), 1);
        QVERIFY(!t.numeroVisivel());
        QCOMPARE(t.numero(), QString("0"));
        QVERIFY(g_impressos.isEmpty()); // alteração não imprime

        // carregar de novo mostra as mesmas linhas
        amb.dialogos().aoAbrirJanela(escolherNaLista(n));
        t.clicar("btn_Buscar");
        QCOMPARE(t.linhas(), (QStringList{"TELA#", "BATERIA#"}));
        QCOMPARE(t.status()->currentText(), QString("concluido"));

        // depois de salvar a alteração, o próximo pedido é um novo
        t.clicar("btn_Salvar");
        t.preencher("ANA", {"CABO #2"});
        t.clicar("btn_Salvar");
        QCOMPARE(pedidos(amb), 2);
        const int novo = amb.valor("SELECT MAX(CDCONTROLE) FROM PEDIDO_DE_COMPRA").toInt();
        QCOMPARE(pedido(amb, novo).value("CDCLIENTE").toInt(), cliente(amb, "ANA PAULA FERREIRA"));
        QCOMPARE(pedido(amb, n).value("MATERIAL_PEDIDO").toString(), QString("TELA#\r\nBATERIA#\r\n"));

        // "#" dentro do material: volta como duas linhas
        amb.dialogos().aoAbrirJanela(escolherNaLista(novo));
        t.clicar("btn_Buscar");
        QCOMPARE(t.linhas(), (QStringList{"CABO #", "2#"}));
    }

    void buscarSemEscolhaDeixaATelaComoEstava()
    {
        AmbienteTeste amb(comDemo());
        inserirPedido(amb, cliente(amb, "JOÃO DA SILVA"), QDate(2026, 3, 1));
        Tela t;
        t.preencher("MARIA", {"TELA"});
        // na lista, outro cliente é escolhido na caixa e a janela fecha sem escolher pedido
        amb.dialogos().aoAbrirJanela([](QDialog* janela) {
            auto* caixa = filho<TCaixaPesquisa>(janela, "LCD_Cliente");
            caixa->editor()->setFocus();
            QTest::keyClicks(caixa->editor(), "JO");
            janela->close();
            return int(QDialog::Rejected);
        });
        t.clicar("btn_Buscar");
        QCOMPARE(t.frm->tag(), 1);
        QCOMPARE(t.linhas(), QStringList{"TELA#"});
        QCOMPARE(t.caixaCliente()->texto(), QString("MARIA APARECIDA SOUZA"));
        QVERIFY(!t.numeroVisivel());
        QVERIFY(ModuloDados->Qry_Clientes->ativo());

        t.clicar("btn_Salvar");
        QCOMPARE(pedidos(amb), 2);
        const int novo = amb.valor("SELECT MAX(CDCONTROLE) FROM PEDIDO_DE_COMPRA").toInt();
        QCOMPARE(pedido(amb, novo).value("CDCLIENTE").toInt(), cliente(amb, "MARIA APARECIDA SOUZA"));

        // e depois da busca o pedido novo ainda escolhe o seu cliente
        t.preencher("ANA", {"BATERIA"});
        t.clicar("btn_Salvar");
        const int outro = amb.valor("SELECT MAX(CDCONTROLE) FROM PEDIDO_DE_COMPRA").toInt();
        QCOMPARE(pedido(amb, outro).value("CDCLIENTE").toInt(), cliente(amb, "ANA PAULA FERREIRA"));
    }

    void excluir()
    {
        AmbienteTeste amb(comDemo());
        const int n = inserirPedido(amb, cliente(amb, "JOÃO DA SILVA"), QDate(2026, 3, 1));
        Tela t;
        // sem pedido carregado: pergunta primeiro, depois avisa
        amb.dialogos().responder(false);
        t.clicar("btn_Excluir");
        QCOMPARE(amb.dialogos().textos(), QStringList{"Confirma excluir este pedido?"});
        QCOMPARE(amb.dialogos().mostrados().last().titulo, QString("ATENÇÃO"));
        amb.dialogos().limpar();
        amb.dialogos().responder(true);
        t.clicar("btn_Excluir");
        QCOMPARE(amb.dialogos().textos(),
                 (QStringList{"Confirma excluir este pedido?", "Pesquise o pedido para excluir"}));

        amb.dialogos().aoAbrirJanela(escolherNaLista(n));
        t.clicar("btn_Buscar");
        amb.dialogos().limpar();
        amb.dialogos().responder(false);
        QCOMPARE(t.w<QAction>("Excluir1")->shortcut(), QKeySequence("Ctrl+E"));
        t.w<QAction>("Excluir1")->trigger();
        QCOMPARE(pedidos(amb), 1);
        QCOMPARE(t.frm->tag(), 2);

        amb.dialogos().responder(true);
        t.clicar("btn_Excluir");
        QCOMPARE(pedidos(amb), 0);
        QCOMPARE(amb.dialogos().ultimaMensagem(), QString("Pedido de Compra excluido!"));
        QCOMPARE(t.frm->tag(), 1);
        QVERIFY(!t.numeroVisivel());
        QCOMPARE(t.numero(), QString("0"));
        QCOMPARE(t.lista()->count(), 0);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void imprimir()
    {
        AmbienteTeste amb(comDemo());
        const int n = inserirPedido(amb, cliente(amb, "JOÃO DA SILVA"), QDate(2026, 3, 1));
        Tela t;
        t.clicar("btn_Imprimir");
        QCOMPARE(amb.dialogos().ultimaMensagem(), QString("Você deve buscar um pedido para depois imprimir!"));
        QVERIFY(g_impressos.isEmpty());

        amb.dialogos().aoAbrirJanela(escolherNaLista(n));
        t.clicar("btn_Buscar");
        t.clicar("btn_Imprimir");
        QCOMPARE(g_impressos, QVector<int>{n});

        // menu: pede o número; cancelar ou texto que não é número não imprime
        g_impressos.clear();
        amb.dialogos().digitar("7");
        QCOMPARE(t.w<QAction>("Imprimir1")->shortcut(), QKeySequence("Ctrl+P"));
        t.w<QAction>("Imprimir1")->trigger();
        QCOMPARE(g_impressos, QVector<int>{7});
        QCOMPARE(amb.dialogos().mostrados().last().titulo, QString("Número do pedido"));
        QCOMPARE(amb.dialogos().mostrados().last().texto, QString("Numero"));
        amb.dialogos().cancelarEntrada();
        t.w<QAction>("Imprimir1")->trigger();
        amb.dialogos().digitar("abc");
        t.w<QAction>("Imprimir1")->trigger();
        QCOMPARE(g_impressos, QVector<int>{7});
        QCOMPARE(ModuloDados->vCDCONTROLE_PEDIDO_DE_COMPRA, n);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void ctrlSSalva()
    {
        AmbienteTeste amb(comDemo());
        Tela t;
        t.preencher("MARIA", {"TELA"});
        QTest::keyClick(t.frm.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(pedidos(amb), 1);
        QCOMPARE(amb.dialogos().ultimaMensagem(), QString("Pedido de Compra salvo!"));
    }

    void materialLongoDemaisAvisaAntes()
    {
        AmbienteTeste amb(comDemo());
        Tela t;
        t.escolherCliente("MARIA");
        for (int i = 0; i < 11; ++i)
            t.material(QString(30, QChar('A' + i)));
        t.clicar("btn_Salvar");
        QCOMPARE(amb.dialogos().ultimaMensagem(),
                 QString("Atenção\nO campo Material solicitado aceita no máximo 300 caracteres"));
        QCOMPARE(pedidos(amb), 0);
        QCOMPARE(t.lista()->count(), 11);
    }
};

//==================================================================================================

class TesteListaPedidoCompra : public QObject
{
    Q_OBJECT

    struct Lista
    {
        Lista() : frm(std::make_unique<Tfrm_Lista_Pedido_Compra>())
        {
            frm->show();
            if (!QTest::qWaitForWindowActive(frm.get()))
                qWarning("lista de pedidos não ficou ativa");
        }
        QLineEdit* data(const char* nome) const { return filho<QLineEdit>(frm.get(), nome); }
        TCaixaPesquisa* caixa() const { return filho<TCaixaPesquisa>(frm.get(), "LCD_Cliente"); }
        QTableView* grade() const { return filho<QTableView>(frm.get(), "dbg_PedidosCompra"); }
        void digitarData(const char* nome, const QString& texto) const
        {
            data(nome)->setFocus();
            data(nome)->setCursorPosition(0);
            QTest::keyClicks(data(nome), texto);
        }
        void listar() const { QTest::keyClick(data("edt_DataFinal"), Qt::Key_Return); }
        QList<int> numeros() const
        {
            QList<int> n;
            TDataset* q = frm->Qry_Pedidos_de_Compra();
            for (int i = 0; i < q->registros(); ++i)
                n << q->valor(i, "CDCONTROLE").toInt();
            return n;
        }
        std::unique_ptr<Tfrm_Lista_Pedido_Compra> frm;
    };

private slots:
    void combinacoes_data()
    {
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<QString>("fim");
        QTest::addColumn<QString>("cliente");
        QTest::addColumn<QList<int>>("esperados"); // índices dos pedidos criados no teste
        QTest::newRow("tudo, mais novos primeiro") << QString() << QString() << QString() << QList<int>{3, 2, 1, 0};
        QTest::newRow("só o cliente") << QString() << QString() << QString("MARIA") << QList<int>{2, 0};
        QTest::newRow("período com as pontas") << "01/03/2026" << "10/03/2026" << QString() << QList<int>{2, 1, 0};
        QTest::newRow("período e cliente") << "05/03/2026" << "10/03/2026" << QString("MARIA") << QList<int>{2};
        QTest::newRow("nome que não é de cliente") << QString() << QString() << QString("ZZZ") << QList<int>{};
    }
    void combinacoes()
    {
        QFETCH(QString, inicial);
        QFETCH(QString, fim);
        QFETCH(QString, cliente);
        QFETCH(QList<int>, esperados);
        AmbienteTeste amb(comDemo());
        const int maria = ::cliente(amb, "MARIA APARECIDA SOUZA");
        const int joao = ::cliente(amb, "JOÃO DA SILVA");
        const QVector<int> criados{inserirPedido(amb, maria, QDate(2026, 3, 1)),
                                   inserirPedido(amb, joao, QDate(2026, 3, 5)),
                                   inserirPedido(amb, maria, QDate(2026, 3, 10)),
                                   inserirPedido(amb, joao, QDate(2026, 3, 11))};
        Lista l;
        QCOMPARE(l.grade()->model()->rowCount(), 0);
        if (!cliente.isEmpty()) {
            l.caixa()->editor()->setFocus();
            QTest::keyClicks(l.caixa()->editor(), cliente);
        }
        if (!inicial.isEmpty()) {
            l.digitarData("edt_DataInicial", inicial);
            l.digitarData("edt_DataFinal", fim);
        }
        l.listar();
        QList<int> numeros;
        for (int i : esperados)
            numeros << criados[i];
        QCOMPARE(l.numeros(), numeros);
        QVERIFY(amb.dialogos().mensagens().isEmpty());
    }

    void datasRecusadas_data()
    {
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<QString>("fim");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("inicial depois da final")
            << "10/03/2026" << "01/03/2026" << QString("Você está informando a data inicial maior que a data final!");
        QTest::newRow("data que não existe") << "31/02/2026" << "01/03/2026"
                                             << QString("Alguma data informada está inválida!");
        QTest::newRow("data incompleta") << "01/03/2026" << "1" << QString("Alguma data informada está inválida!");
        QTest::newRow("só a inicial") << "01/03/2026" << QString() << QString();
        QTest::newRow("só a final") << QString() << "01/03/2026" << QString();
    }
    void datasRecusadas()
    {
        QFETCH(QString, inicial);
        QFETCH(QString, fim);
        QFETCH(QString, mensagem);
        AmbienteTeste amb(comDemo());
        const int n = inserirPedido(amb, ::cliente(amb, "JOÃO DA SILVA"), QDate(2026, 3, 5));
        Lista l;
        l.listar(); // tudo
        QCOMPARE(l.numeros(), QList<int>{n});
        l.digitarData("edt_DataInicial", inicial);
        l.digitarData("edt_DataFinal", fim);
        l.listar();
        QCOMPARE(amb.dialogos().mensagens(), mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        if (!mensagem.isEmpty())
            QCOMPARE(QApplication::focusWidget(), l.data("edt_DataInicial"));
        QCOMPARE(l.numeros(), QList<int>{n}); // a grade não mudou
    }

    void teclasEEscolha()
    {
        AmbienteTeste amb(comDemo());
        const int joao = ::cliente(amb, "JOÃO DA SILVA");
        inserirPedido(amb, joao, QDate(2026, 3, 1));
        const int segundo = inserirPedido(amb, joao, QDate(2026, 3, 2));
        Lista l;
        QCOMPARE(l.frm->windowTitle(), QString("Lista de Pedidos de Compra"));
        QVERIFY(ModuloDados->Qry_Clientes->ativo());
        // Enter: cliente -> data inicial -> data final
        l.caixa()->editor()->setFocus();
        QTest::keyClick(l.caixa()->editor(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), l.data("edt_DataInicial"));
        QTest::keyClick(l.data("edt_DataInicial"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), l.data("edt_DataFinal"));
        l.listar();
        QCOMPARE(l.numeros().size(), 2);
        // Esc não fecha
        QTest::keyClick(l.data("edt_DataFinal"), Qt::Key_Escape);
        QVERIFY(l.frm->isVisible());
        // seta para baixo vai à grade; Enter escolhe a linha atual (a mais nova primeiro)
        QTest::keyClick(l.data("edt_DataFinal"), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(l.grade()));
        QTest::keyClick(l.grade(), Qt::Key_Return);
        QCOMPARE(ModuloDados->vCDCONTROLE_PEDIDO_DE_COMPRA, segundo);
        QCOMPARE(l.frm->result(), int(QDialog::Accepted));
        QVERIFY(!l.frm->isVisible());
        QVERIFY(!ModuloDados->Qry_Clientes->ativo());
        QVERIFY(!l.frm->Qry_Pedidos_de_Compra()->ativo());
    }
};

REGISTRAR_TESTE(TesteMaterialPedido)
REGISTRAR_TESTE(TesteDadosPedidoCompra)
REGISTRAR_TESTE(TesteCadPedidodeCompra)
REGISTRAR_TESTE(TesteListaPedidoCompra)
#include "tst_pedidos.moc"
