// Cadastro de produtos dirigido como o usuário o usa: incluir, alterar, código de barras,
// fornecedor padrão, lista de escolha da venda, busca, exclusão e entrada pelo F4.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "core/u_Telas.h"
#include "stock/u_CadProdutos.h"
#include "support/suporte.h"

namespace {

int inserirFornecedor(AmbienteTeste& amb, const QString& razao)
{
    amb.exec("INSERT INTO FORNECEDOR (RAZAOSOCIAL) VALUES (:R)", {{"R", razao}});
    return amb.valor("SELECT MAX(CDCONTROLE) FROM FORNECEDOR").toInt();
}

int inserirProduto(AmbienteTeste& amb, const QString& nome, const QString& codBarra = QString(), double valor = 10,
                   double qtde = 1, int fornecedor = 0)
{
    amb.exec("INSERT INTO ESTOQUE (PRODUTO, UN, QTDE_ATUAL, VALOR_VENDA, VALOR_DE_CUSTO, REFERENCIA, CODBARRA, "
             "CDFORNECEDOR_PADRAO) VALUES (:P, 'UN', :Q, :V, 3.25, 'REF-1', :C, :F)",
             {{"P", nome}, {"Q", qtde}, {"V", valor}, {"C", codBarra}, {"F", fornecedor}});
    return amb.valor("SELECT CDCONTROLE FROM ESTOQUE WHERE PRODUTO = :P", {{"P", nome}}).toInt();
}

QSqlRecord produto(AmbienteTeste& amb, const QString& nome)
{
    return amb.registros("SELECT * FROM ESTOQUE WHERE PRODUTO = :P", {{"P", nome}}).value(0);
}

// A janela de produtos aberta e ativa, com atalhos para os controles.
struct Tela
{
    explicit Tela(int tag = Tfrm_CadProdutos::ModoNovo) : frm(std::make_unique<Tfrm_CadProdutos>())
    {
        frm->setTag(tag);
        frm->show();
        if (!QTest::qWaitForWindowActive(frm.get()))
            qWarning("janela de produtos não ficou ativa");
    }
    QLineEdit* edt(const char* nome) const { return frm->findChild<QLineEdit*>(QLatin1String(nome)); }
    QComboBox* un() const { return frm->findChild<QComboBox*>(QStringLiteral("cb_UN")); }
    QTableView* grade() const { return frm->findChild<QTableView*>(QStringLiteral("dbg_ListaEstoque")); }
    void digitar(QWidget* campo, const QString& texto) const
    {
        campo->setFocus();
        // o QTest só digita ASCII; o resto entra como se fosse colado
        bool ascii = true;
        for (const QChar c : texto)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            QTest::keyClicks(campo, texto);
        else if (auto* combo = qobject_cast<QComboBox*>(campo))
            combo->lineEdit()->insert(texto);
        else
            static_cast<QLineEdit*>(campo)->insert(texto);
    }
    void digitar(const char* campo, const QString& texto) const { digitar(edt(campo), texto); }
    void enter(QWidget* campo) const { QTest::keyClick(campo, Qt::Key_Return); }
    void enter(const char* campo) const { enter(edt(campo)); }
    // Preenche os campos e aperta Enter no valor (o mesmo que Salvar).
    void preencherESalvar(const QString& nome, const QString& un, const QString& qtde, const QString& valor) const
    {
        digitar("edt_Produto", nome);
        digitar(this->un(), un);
        digitar("edt_QTDE", qtde);
        digitar("edt_Valor", valor);
        enter("edt_Valor");
    }
    QStringList nomesNaGrade() const
    {
        QStringList nomes;
        for (int linha = 0; linha < ModuloDados->Qry_Estoque->registros(); ++linha)
            nomes << ModuloDados->Qry_Estoque->valor(linha, "PRODUTO").toString();
        return nomes;
    }
    void duploClique(const QString& nome) const
    {
        QVERIFY(ModuloDados->Qry_Estoque->localizar("PRODUTO", nome));
        const QModelIndex item = grade()->model()->index(ModuloDados->Qry_Estoque->linhaAtual(), 1);
        grade()->scrollTo(item);
        // o QTest do Qt 6.4 manda só o evento de duplo clique: o clique de antes vem à parte
        const QPoint ponto = grade()->visualRect(item).center();
        QTest::mouseClick(grade()->viewport(), Qt::LeftButton, {}, ponto);
        QTest::mouseDClick(grade()->viewport(), Qt::LeftButton, {}, ponto);
    }
    std::unique_ptr<Tfrm_CadProdutos> frm;
};

} // namespace

class TesteCadProdutos : public QObject
{
    Q_OBJECT
private slots:
    void validacaoESalvar_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("un");
        QTest::addColumn<QString>("qtde");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<double>("qtdeGravada");
        QTest::addColumn<double>("valorGravado");
        const QString vazios = QStringLiteral("Todos os campos devem ser preenchidos");
        const QString errado = QStringLiteral("Campo Qtde ou o Valor está informado errado");
        QTest::newRow("tudo vazio") << ""
                                    << ""
                                    << ""
                                    << "" << vazios << 0.0 << 0.0;
        QTest::newRow("sem nome") << ""
                                  << "UN"
                                  << "1"
                                  << "10" << vazios << 0.0 << 0.0;
        QTest::newRow("nome em branco") << "   "
                                        << "UN"
                                        << "1"
                                        << "10" << vazios << 0.0 << 0.0;
        QTest::newRow("sem unidade") << "CAPA"
                                     << ""
                                     << "1"
                                     << "10" << vazios << 0.0 << 0.0;
        QTest::newRow("sem qtde") << "CAPA"
                                  << "UN"
                                  << ""
                                  << "10" << vazios << 0.0 << 0.0;
        QTest::newRow("sem valor") << "CAPA"
                                   << "UN"
                                   << "1"
                                   << "" << vazios << 0.0 << 0.0;
        QTest::newRow("qtde com ponto decimal") << "CAPA"
                                                << "UN"
                                                << "2.5"
                                                << "10" << errado << 0.0 << 0.0;
        QTest::newRow("valor com letras") << "CAPA"
                                          << "UN"
                                          << "1"
                                          << "dez" << errado << 0.0 << 0.0;
        QTest::newRow("valor com ponto decimal") << "CAPA"
                                                 << "UN"
                                                 << "1"
                                                 << "9.90" << errado << 0.0 << 0.0;
        QTest::newRow("caractere fora do WIN1252")
            << QStringLiteral("CAPA 😀") << "UN"
            << "1"
            << "10" << QStringLiteral("O campo Produto contém caracteres que não podem ser gravados: 😀") << 0.0 << 0.0;
        QTest::newRow("qtde com vírgula") << "capa"
                                          << "un"
                                          << "2,5"
                                          << "10"
                                          << "" << 2.5 << 10.0;
        QTest::newRow("valor agrupado") << "CAPA"
                                        << "PC"
                                        << "3"
                                        << "1.234,50"
                                        << "" << 3.0 << 1234.5;
        QTest::newRow("unidade fora da lista") << "CAPA"
                                               << "CX"
                                               << "1"
                                               << "0,99"
                                               << "" << 1.0 << 0.99;
    }
    void validacaoESalvar()
    {
        QFETCH(QString, nome);
        QFETCH(QString, un);
        QFETCH(QString, qtde);
        QFETCH(QString, valor);
        QFETCH(QString, mensagem);
        QFETCH(double, qtdeGravada);
        QFETCH(double, valorGravado);
        AmbienteTeste amb;
        Tela t;
        t.preencherESalvar(nome, un, qtde, valor);
        const auto linhas = amb.registros("SELECT * FROM ESTOQUE");
        if (!mensagem.isEmpty()) {
            QCOMPARE(amb.dialogos().mensagens(), QStringList{mensagem});
            QVERIFY(linhas.isEmpty());
            QCOMPARE(t.edt("edt_Valor")->text(), valor); // nada foi limpo
            return;
        }
        QCOMPARE(amb.dialogos().mensagens(), QStringList{QStringLiteral("Produto cadastrado com sucesso!")});
        QCOMPARE(linhas.size(), 1);
        const QSqlRecord r = linhas.first();
        QCOMPARE(r.value("PRODUTO").toString(), nome.toUpper());
        QCOMPARE(r.value("UN").toString(), un.toUpper());
        QCOMPARE(r.value("QTDE_ATUAL").toDouble(), qtdeGravada);
        QCOMPARE(r.value("VALOR_VENDA").toDouble(), valorGravado);
        QCOMPARE(r.value("REFERENCIA").toString(), QString());
        QCOMPARE(r.value("CODBARRA").toString(), QString());
        QCOMPARE(r.value("CDFORNECEDOR_PADRAO").toInt(), 0);
        // campos limpos, a lista recarregada e as cinco unidades continuam na caixa
        for (const char* campo : {"edt_Produto", "edt_codBarras", "edt_QTDE", "edt_Valor", "edt_fornecedor"})
            QCOMPARE(t.edt(campo)->text(), QString());
        QCOMPARE(t.un()->currentText(), QString());
        QCOMPARE(t.un()->count(), 5);
        QCOMPARE(t.nomesNaGrade(), QStringList{nome.toUpper()});
        QCOMPARE(t.frm->tag(), int(Tfrm_CadProdutos::ModoNovo));
    }

    void cadeiaDoEnterECodigoDeBarras()
    {
        AmbienteTeste amb;
        inserirProduto(amb, "CAPA AZUL", "7891000000011");
        inserirProduto(amb, "CAPA VERDE", "7891000000011");
        inserirProduto(amb, "CABO USB");
        Tela t;
        t.digitar("edt_Produto", "CAPA PRETA");
        t.enter("edt_Produto");
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_codBarras"));

        t.enter("edt_codBarras"); // vazio: nada acontece
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_codBarras"));
        QVERIFY(amb.dialogos().mostrados().isEmpty());

        t.digitar("edt_codBarras", "7891000000011");
        t.enter("edt_codBarras");
        QCOMPARE(amb.dialogos().mensagens(),
                 QStringList{QStringLiteral("Já existe esse código de barras cadastrado no seu estoque! Irei abrir "
                                            "para que você possa avaliar")});
        QCOMPARE(t.nomesNaGrade().size(), 2);
        QVERIFY(t.nomesNaGrade().contains("CAPA AZUL") && t.nomesNaGrade().contains("CAPA VERDE"));
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_codBarras"));

        t.edt("edt_codBarras")->clear();
        t.digitar("edt_codBarras", "7891000000028");
        t.enter("edt_codBarras");
        QVERIFY(t.un()->hasFocus());
        QTest::keyClicks(t.un(), "pc");
        t.enter(t.un());
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_QTDE"));
        QTest::keyClicks(t.edt("edt_QTDE"), "4");
        t.enter("edt_QTDE");
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_Valor"));
        QTest::keyClicks(t.edt("edt_Valor"), "15,00");
        t.enter("edt_Valor");
        const QSqlRecord r = produto(amb, "CAPA PRETA");
        QCOMPARE(r.value("CODBARRA").toString(), QStringLiteral("7891000000028"));
        QCOMPARE(r.value("UN").toString(), QStringLiteral("PC"));
        QCOMPARE(t.nomesNaGrade().size(), 4);
    }

    // Alterar guarda fornecedor, referência, custo e o preço agrupado; o próximo Salvar inclui.
    void alterarEDepoisIncluir()
    {
        AmbienteTeste amb;
        const int distribuidora = inserirFornecedor(amb, "DISTRIBUIDORA LTDA");
        const int tela = inserirProduto(amb, "TELA FRONTAL A12", "7891000000035", 1234.5, 2.5, distribuidora);
        Tela t;
        t.duploClique("TELA FRONTAL A12");
        QCOMPARE(t.frm->tag(), int(Tfrm_CadProdutos::ModoAlterar));
        QCOMPARE(t.frm->produtoCarregado(), tela);
        QCOMPARE(t.edt("edt_Produto")->text(), QStringLiteral("TELA FRONTAL A12"));
        QCOMPARE(t.un()->currentText(), QStringLiteral("UN"));
        QCOMPARE(t.edt("edt_Valor")->text(), QStringLiteral("1.234,50"));
        QCOMPARE(t.edt("edt_QTDE")->text(), QStringLiteral("2,5"));
        QCOMPARE(t.edt("edt_codBarras")->text(), QStringLiteral("7891000000035"));
        QCOMPARE(t.edt("edt_fornecedor")->text(), QStringLiteral("DISTRIBUIDORA LTDA"));
        QCOMPARE(ModuloDados->vp_CDFORNECEDOR, distribuidora);

        t.edt("edt_Produto")->setFocus();
        t.edt("edt_Produto")->end(false);
        QTest::keyClicks(t.edt("edt_Produto"), " ORIGINAL");
        QTest::mouseClick(t.frm->findChild<QPushButton*>("btn_Gravar"), Qt::LeftButton);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{QStringLiteral("Produto alterado com sucesso!")});
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ESTOQUE").toInt(), 1);
        QSqlRecord r = produto(amb, "TELA FRONTAL A12 ORIGINAL");
        QCOMPARE(r.value("CDCONTROLE").toInt(), tela);
        QCOMPARE(r.value("VALOR_VENDA").toDouble(), 1234.5);
        QCOMPARE(r.value("QTDE_ATUAL").toDouble(), 2.5);
        QCOMPARE(r.value("CDFORNECEDOR_PADRAO").toInt(), distribuidora);
        QCOMPARE(r.value("REFERENCIA").toString(), QStringLiteral("REF-1"));
        QCOMPARE(r.value("VALOR_DE_CUSTO").toDouble(), 3.25);
        QCOMPARE(t.frm->tag(), int(Tfrm_CadProdutos::ModoNovo));

        // o produto novo não herda o fornecedor do alterado, que o campo não mostra mais
        t.preencherESalvar("PELICULA A12", "UN", "10", "19,90");
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ESTOQUE").toInt(), 2);
        QCOMPARE(produto(amb, "TELA FRONTAL A12 ORIGINAL").value("VALOR_VENDA").toDouble(), 1234.5);
        r = produto(amb, "PELICULA A12");
        QVERIFY(r.value("CDCONTROLE").toInt() != tela);
        QCOMPARE(r.value("CDFORNECEDOR_PADRAO").toInt(), 0);
    }

    // Entrar no campo vazio abre a lista de fornecedores; só o escolhido (ou carregado) é gravado.
    void fornecedorPadrao()
    {
        AmbienteTeste amb;
        inserirFornecedor(amb, "ACESSORIOS BRASIL");
        const int pecas = inserirFornecedor(amb, "PECAS CELULAR LTDA");
        Tela t;
        ModuloDados->vp_CDFORNECEDOR = 77;
        amb.dialogos().aoAbrirJanela([](QDialog* d) { return d->result(); }); // fechada sem escolher
        t.edt("edt_fornecedor")->setFocus();
        QCOMPARE(amb.dialogos().janelasAbertas(), QStringList{"Tfrm_Lista_fornecedores"});
        QCOMPARE(t.edt("edt_fornecedor")->text(), QString());
        QCOMPARE(ModuloDados->vp_CDFORNECEDOR, 77);

        amb.dialogos().aoAbrirJanela([](QDialog* d) {
            QTest::keyClicks(d->findChild<QLineEdit*>("edt_RazaoSocial"), "pecas");
            auto* grade = d->findChild<QTableView*>("dbg_fornecedores");
            QTest::keyClick(grade, Qt::Key_Return);
            return d->result();
        });
        QTest::keyClick(t.edt("edt_fornecedor"), Qt::Key_Return);
        QCOMPARE(t.edt("edt_fornecedor")->text(), QStringLiteral("PECAS CELULAR LTDA"));
        QCOMPARE(ModuloDados->vp_CDFORNECEDOR, pecas);
        // entrar de novo com o nome no campo não abre a lista
        t.edt("edt_Produto")->setFocus();
        t.edt("edt_fornecedor")->setFocus();
        QCOMPARE(amb.dialogos().janelasAbertas().size(), 2);

        t.preencherESalvar("BATERIA G9", "UN", "6", "129,90");
        QCOMPARE(produto(amb, "BATERIA G9").value("CDFORNECEDOR_PADRAO").toInt(), pecas);
        QVERIFY(amb.dialogos().pendencias().isEmpty());

        // carregado e depois apagado com Delete: o produto fica sem fornecedor
        t.duploClique("BATERIA G9");
        QCOMPARE(t.edt("edt_fornecedor")->text(), QStringLiteral("PECAS CELULAR LTDA"));
        t.edt("edt_fornecedor")->setFocus();
        QTest::keyClick(t.edt("edt_fornecedor"), Qt::Key_Delete);
        QCOMPARE(t.edt("edt_fornecedor")->text(), QString());
        t.edt("edt_Produto")->setFocus();
        t.enter("edt_Produto");
        t.edt("edt_Valor")->setFocus();
        t.enter("edt_Valor");
        QCOMPARE(produto(amb, "BATERIA G9").value("CDFORNECEDOR_PADRAO").toInt(), 0);
    }

    void modoEscolha_data()
    {
        QTest::addColumn<bool>("escolher");
        QTest::newRow("Enter na grade") << true;
        QTest::newRow("Esc sem escolher") << false;
    }
    void modoEscolha()
    {
        QFETCH(bool, escolher);
        AmbienteTeste amb;
        const int cabo = inserirProduto(amb, "CABO USB-C");
        inserirProduto(amb, "CAPA SILICONE");
        inserirProduto(amb, "CARREGADOR 20W");
        inserirProduto(amb, "PELICULA CABO"); // contém CA, mas não começa com CA
        inserirProduto(amb, "BATERIA");
        ModuloDados->vCdProdutoSelecionado = 99;
        QStringList listados;
        bool gruposEscondidos = false;
        amb.dialogos().aoAbrirJanela([&](QDialog* d) {
            auto* frm = static_cast<Tfrm_CadProdutos*>(d);
            gruposEscondidos = frm->findChild<QGroupBox*>("gb_UN")->isHidden() &&
                               frm->findChild<QGroupBox*>("gb_Qtde")->isHidden() &&
                               frm->findChild<QGroupBox*>("gb_Valor")->isHidden() &&
                               frm->findChild<QPushButton*>("btn_Gravar")->isHidden();
            auto* nome = frm->findChild<QLineEdit*>("edt_Produto");
            nome->setFocus();
            QTest::keyClicks(nome, "ca");
            for (int l = 0; l < ModuloDados->Qry_Estoque->registros(); ++l)
                listados << ModuloDados->Qry_Estoque->valor(l, "PRODUTO").toString();
            QTest::keyClick(nome, Qt::Key_Down);
            auto* grade = frm->findChild<QTableView*>("dbg_ListaEstoque");
            QTest::keyClick(grade, escolher ? Qt::Key_Return : Qt::Key_Escape);
            return d->result();
        });
        QVERIFY(AbrirTela("Produtos.Escolher"));
        QVERIFY(gruposEscondidos);
        QCOMPARE(listados, (QStringList{"CABO USB-C", "CAPA SILICONE", "CARREGADOR 20W"}));
        QCOMPARE(ModuloDados->vCdProdutoSelecionado, escolher ? cabo : 0);
        QVERIFY(!ModuloDados->Qry_Estoque->ativo()); // fechar a janela fecha a lista
    }

    void buscaF3_data()
    {
        QTest::addColumn<bool>("responde");
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QString>("atual");
        QTest::newRow("minúsculas, prefixo") << true << "tela"
                                             << "TELA FRONTAL";
        QTest::newRow("meio do nome não acha") << true << "FRONTAL"
                                               << "BATERIA";
        QTest::newRow("vazio") << true << ""
                               << "BATERIA";
        QTest::newRow("cancelada") << false << ""
                                   << "BATERIA";
    }
    void buscaF3()
    {
        QFETCH(bool, responde);
        QFETCH(QString, resposta);
        QFETCH(QString, atual);
        AmbienteTeste amb;
        inserirProduto(amb, "BATERIA");
        inserirProduto(amb, "CAPA");
        inserirProduto(amb, "TELA FRONTAL");
        Tela t;
        if (responde)
            amb.dialogos().digitar(resposta);
        else
            amb.dialogos().cancelarEntrada();
        t.grade()->setFocus();
        QTest::keyClick(t.grade(), Qt::Key_F3);
        QCOMPARE(amb.dialogos().mostrados().size(), 1);
        QCOMPARE(amb.dialogos().mostrados().first().tipo, QStringLiteral("entrada"));
        QCOMPARE(amb.dialogos().mostrados().first().titulo, QStringLiteral("Digite o nome do produto"));
        QCOMPARE(ModuloDados->Qry_Estoque->campo("PRODUTO").toString(), atual);
        QCOMPARE(t.grade()->currentIndex().row(), ModuloDados->Qry_Estoque->linhaAtual());
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void excluir()
    {
        AmbienteTeste amb;
        inserirProduto(amb, "BATERIA");
        inserirProduto(amb, "CAPA");
        Tela t;
        t.duploClique("CAPA");
        amb.dialogos().responder(false);
        QTest::keyClick(t.grade(), Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(amb.dialogos().mostrados().last().tipo, QStringLiteral("pergunta"));
        QCOMPARE(amb.dialogos().mostrados().last().titulo, QStringLiteral("Atenção"));
        QCOMPARE(amb.dialogos().mostrados().last().texto, QStringLiteral("Confirma excluir este ítem?"));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ESTOQUE").toInt(), 2);

        amb.dialogos().responder(true);
        QTest::keyClick(t.grade(), Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(t.nomesNaGrade(), QStringList{"BATERIA"});
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ESTOQUE WHERE PRODUTO = 'CAPA'").toInt(), 0);
        // o produto que estava carregado sumiu: o Salvar seguinte inclui em vez de alterar nada
        QCOMPARE(t.frm->tag(), int(Tfrm_CadProdutos::ModoNovo));
        QCOMPARE(t.edt("edt_Produto")->text(), QString());
        t.preencherESalvar("CAPA NOVA", "UN", "1", "5");
        QCOMPARE(amb.dialogos().ultimaMensagem(), QStringLiteral("Produto cadastrado com sucesso!"));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ESTOQUE").toInt(), 2);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void entradaPeloF4()
    {
        AmbienteTeste amb;
        {
            Tela vazia;
            QTest::keyClick(vazia.grade(), Qt::Key_F4);
            QCOMPARE(amb.dialogos().mensagens(),
                     QStringList{QStringLiteral("Atenção\nNão há produto na lista para dar entrada no estoque")});
            QVERIFY(amb.dialogos().janelasAbertas().isEmpty());
        }
        inserirProduto(amb, "BATERIA", QString(), 10, 1);
        const int capa = inserirProduto(amb, "CAPA", QString(), 10, 4);
        Tela t;
        QVERIFY(ModuloDados->Qry_Estoque->localizar("PRODUTO", "CAPA"));
        amb.dialogos().aoAbrirJanela([](QDialog* d) {
            auto* qtde = d->findChild<QLineEdit*>("edt_qtEntrada");
            qtde->setText("6");
            QTest::keyClick(qtde, Qt::Key_Return);
            return QDialog::Rejected;
        });
        QTest::keyClick(t.grade(), Qt::Key_F4);
        QCOMPARE(amb.dialogos().janelasAbertas(), QStringList{"Tfrm_Cad_entrada_produto"});
        QCOMPARE(ModuloDados->vp_cdproduto, capa);
        // a lista mostra a quantidade que a entrada deixou, ainda no mesmo produto
        QCOMPARE(ModuloDados->Qry_Estoque->campo("PRODUTO").toString(), QStringLiteral("CAPA"));
        QCOMPARE(ModuloDados->Qry_Estoque->campo("QTDE_ATUAL").toDouble(), 10.0);
    }

    void textoDeQuantidade_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("inteiro") << 5.0 << "5";
        QTest::newRow("meio") << 2.5 << "2,5";
        QTest::newRow("milhar sem separador") << 1234.5 << "1234,5";
        QTest::newRow("negativo") << -3.0 << "-3";
        QTest::newRow("zero") << 0.0 << "0";
    }
    void textoDeQuantidade()
    {
        QFETCH(double, valor);
        QFETCH(QString, texto);
        QCOMPARE(TextoDeQuantidade(valor), texto);
    }
};

// Operações de produto do módulo de dados usadas também pela venda.
class TesteDadosEstoque : public QObject
{
    Q_OBJECT
private slots:
    void leituraEConsultas()
    {
        AmbienteTeste amb;
        const int capa = inserirProduto(amb, "CAPA", "7891000000011", 39.9, 20, 2);
        inserirProduto(amb, "ADAPTADOR", "7891000000028");
        auto* dm = amb.modulo();
        QVERIFY(dm->CodigoProdutoExiste(capa));
        QVERIFY(!dm->CodigoProdutoExiste(capa + 100));
        QVERIFY(dm->ExisteCodigodeBarras("7891000000011"));
        QVERIFY(!dm->ExisteCodigodeBarras("7891000000099"));

        const TEstoque e = dm->FEstoque(capa);
        QCOMPARE(e.var_CDCONTROLE, capa);
        QCOMPARE(e.var_PRODUTO, QStringLiteral("CAPA"));
        QCOMPARE(e.var_UN, QStringLiteral("UN"));
        QCOMPARE(e.var_QTDE_ATUAL, 20.0);
        QCOMPARE(e.var_VALOR_VENDA, 39.9);
        QCOMPARE(e.var_VALOR_CUSTO, 3.25);
        QCOMPARE(e.var_REFERENCIA, QStringLiteral("REF-1"));
        QCOMPARE(e.var_CODBARRA, QStringLiteral("7891000000011"));
        QCOMPARE(e.var_CDFORNECEDOR_PADRAO, 2);
        const TEstoque nenhum = dm->FEstoque(capa + 100);
        QCOMPARE(nenhum.var_CDCONTROLE, 0);
        QCOMPARE(nenhum.var_PRODUTO, QString());
        QCOMPARE(nenhum.var_VALOR_VENDA, 0.0);

        dm->AbreEstoque();
        QCOMPARE(dm->Qry_Estoque->registros(), 2);
        QCOMPARE(dm->Qry_Estoque->campo("PRODUTO").toString(), QStringLiteral("ADAPTADOR"));
        dm->AbreProdutoPelocodigodeBarra("7891000000011");
        QCOMPARE(dm->Qry_Estoque->registros(), 1);
        QCOMPARE(dm->Qry_Estoque->campo("CDCONTROLE").toInt(), capa);
        dm->ExcluirProduto(capa);
        QVERIFY(!dm->CodigoProdutoExiste(capa));
    }
};

REGISTRAR_TESTE(TesteCadProdutos)
REGISTRAR_TESTE(TesteDadosEstoque)
#include "tst_produtos.moc"
