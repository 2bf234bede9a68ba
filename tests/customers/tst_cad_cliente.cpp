// O cadastro de clientes dirigido como o usuário o usa.
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/u_CaixaPesquisa.h"
#include "core/u_Telas.h"
#include "customers/u_CadCliente.h"
#include "customers/u_ConsultasWeb.h"
#include "support/servidor_http_teste.h"
#include "support/suporte.h"

namespace {

const int kSaoPaulo = 5351;
const int kCampinas = 4895;

OpcoesAmbiente comDemo()
{
    OpcoesAmbiente op;
    op.demo = true;
    return op;
}

int codigoDe(AmbienteTeste& amb, const QString& nome)
{
    return amb.valor("SELECT CDCONTROLE FROM CLIENTES WHERE NOME = :N", {{"N", nome}}).toInt();
}

// A janela aberta e ativa, com atalhos para os controles pelo nome.
struct Tela
{
    explicit Tela(int tag = 0) : frm(std::make_unique<Tfrm_CadCliente>())
    {
        frm->setTag(tag);
        frm->show();
        if (!QTest::qWaitForWindowActive(frm.get()))
            qWarning("janela do cadastro não ficou ativa");
    }
    template <typename T> T* w(const char* nome) const
    {
        T* achado = frm->findChild<T*>(QString::fromLatin1(nome));
        if (!achado)
            qFatal("controle %s não encontrado", nome);
        return achado;
    }
    QLineEdit* edt(const char* nome) const { return w<QLineEdit>(nome); }
    QTableView* grade() const { return w<QTableView>("dbg_ListaDeClientes"); }
    TCaixaPesquisa* cidade() const { return w<TCaixaPesquisa>("LCD_Cidades"); }
    void digitar(QWidget* campo, const QString& texto) const
    {
        campo->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(campo))
            e->setCursorPosition(0);
        QTest::keyClicks(campo, texto);
    }
    void digitar(const char* campo, const QString& texto) const { digitar(edt(campo), texto); }
    // Sai do campo com Tab (o foco vai para o próximo controle).
    void sair(const char* campo) const
    {
        edt(campo)->setFocus();
        QTest::keyClick(edt(campo), Qt::Key_Tab);
    }
    void clicar(const char* botao) const { QTest::mouseClick(w<QToolButton>(botao), Qt::LeftButton); }
    bool visivel(const char* botao) const { return !w<QToolButton>(botao)->isHidden(); }
    QString botoesVisiveis() const
    {
        QStringList v;
        for (const char* b : {"IMG_Novo", "IMG_Salvar", "IMG_Excluir", "IMG_Buscar", "IMG_Cancelar"})
            if (visivel(b))
                v << QString::fromLatin1(b).mid(4);
        return v.join(',');
    }
    void duploClique(const QString& nome) const
    {
        QVERIFY(ModuloDados->Qry_Clientes->localizar("NOME", nome));
        const QModelIndex item = grade()->model()->index(ModuloDados->Qry_Clientes->linhaAtual(), 1);
        grade()->scrollTo(item);
        // um clique antes: o primeiro duplo clique simulado numa janela nova não chega como duplo
        QTest::mouseClick(grade()->viewport(), Qt::LeftButton, {}, grade()->visualRect(item).center());
        QTest::mouseDClick(grade()->viewport(), Qt::LeftButton, {}, grade()->visualRect(item).center());
    }
    std::unique_ptr<Tfrm_CadCliente> frm;
};

void apontarServicos(AmbienteTeste& amb, const TServidorHttpTeste& servidor)
{
    amb.escreverConfig({"[CONEXAO]", "StrCon=" + amb.caminhoBase(), "Modulo=C0M_ORDEM_DE_SERVICO",
                        "Preview_na_Venda=SIM", "[WEBSERVICES]", "CEP=" + servidor.endereco("/ws/"),
                        "CNPJ=" + servidor.endereco("/v1/cnpj/")});
}

} // namespace

class TesteCadCliente : public QObject
{
    Q_OBJECT
private slots:
    void init() { DefinirTempoLimiteConsultas(2000); }
    void cleanup() { DefinirTempoLimiteConsultas(10000); }

    void aberturaModosEBotoes()
    {
        AmbienteTeste amb(comDemo());
        Tela t;
        QVERIFY(MudarComEnterInstalado());
        QVERIFY(ModuloDados->Qry_Cidades->ativo());
        QVERIFY(!ModuloDados->Qry_Clientes->ativo());
        QCOMPARE(t.grade()->model()->rowCount(), 0);
        QCOMPARE(t.botoesVisiveis(), QStringLiteral("Novo,Buscar"));
        QCOMPARE(t.edt("edt_UF")->text(), QString()); // nenhuma cidade na caixa, nenhuma UF
        QVERIFY(t.edt("edt_Codigo")->parentWidget()->isHidden());
        QCOMPARE(t.frm->windowTitle(),
                 QStringLiteral("Cadastro do Cliente - [Pressione a tecla ESC para sair desta tela]"));

        // digitar no nome com o Salvar escondido procura os nomes que contêm o texto
        t.digitar("edt_Nome", "sil");
        QCOMPARE(t.edt("edt_Nome")->text(), QStringLiteral("SIL"));
        QCOMPARE(t.grade()->model()->rowCount(), 2); // JOÃO DA SILVA, SILVA MÓVEIS LTDA
        QTest::keyClick(t.edt("edt_Nome"), Qt::Key_Backspace);
        QTest::keyClick(t.edt("edt_Nome"), Qt::Key_Backspace);
        QTest::keyClick(t.edt("edt_Nome"), Qt::Key_Backspace);
        QCOMPARE(t.grade()->model()->rowCount(), 5);

        t.clicar("IMG_Novo");
        QCOMPARE(t.botoesVisiveis(), QStringLiteral("Salvar,Cancelar"));
        QCOMPARE(t.frm->tag(), 1);
        QVERIFY(!ModuloDados->Qry_Cidades->ativo());
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_Nome"));
        // com o Salvar à mostra, digitar não procura
        t.digitar("edt_Nome", "X");
        QCOMPARE(t.grade()->model()->rowCount(), 5);

        t.clicar("IMG_Cancelar");
        QCOMPARE(t.botoesVisiveis(), QStringLiteral("Novo,Buscar"));
        QCOMPARE(t.edt("edt_Nome")->text(), QString());
        QCOMPARE(t.frm->tag(), 1); // Cancelar não muda o modo

        t.duploClique("ANA PAULA FERREIRA");
        QCOMPARE(t.botoesVisiveis(), QStringLiteral("Salvar,Excluir,Cancelar"));
        QCOMPARE(t.frm->tag(), 2);
        t.clicar("IMG_Cancelar");
        t.clicar("IMG_Buscar");
        QCOMPARE(t.botoesVisiveis(), QStringLiteral("Novo,Buscar"));
        QCOMPARE(t.frm->tag(), 2);

        // fechar fecha a lista de cidades
        QTest::keyClick(t.edt("edt_Nome"), Qt::Key_Escape);
        QVERIFY(!t.frm->isVisible());
        QVERIFY(!ModuloDados->Qry_Cidades->ativo());
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void cadeiaDoEnterESetas()
    {
        AmbienteTeste amb;
        Tela t;
        t.edt("edt_Nome")->setFocus();
        QStringList caminho;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QWidget* foco = QApplication::focusWidget();
            caminho << (foco->objectName() == "editor" ? foco->parentWidget()->objectName() : foco->objectName());
        }
        QCOMPARE(caminho, (QStringList{"edt_CEP", "edt_Endereco", "edt_NumeroEndereco", "edt_Bairro", "LCD_Cidades",
                                       "edt_Celular", "edt_CPF", "edt_RG", "edt_UF", "dbg_ListaDeClientes"}));
        // seta para cima volta um controle; para baixo avança
        t.edt("edt_CPF")->setFocus();
        QTest::keyClick(t.edt("edt_CPF"), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_Celular"));
        QTest::keyClick(t.edt("edt_Celular"), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_CPF"));
        QVERIFY(amb.dialogos().mostrados().isEmpty());
    }

    // A regra do Enter continua valendo em outras janelas, menos nas caixas de várias linhas.
    void mudarComEnterFicaParaOPrograma()
    {
        {
            AmbienteTeste amb;
            Tela t;
        }
        QVERIFY(MudarComEnterInstalado());
        QDialog janela;
        auto* a = new QLineEdit(&janela);
        auto* b = new QLineEdit(&janela);
        auto* texto = new QPlainTextEdit(&janela);
        auto* c = new QLineEdit(&janela);
        auto* lay = new QVBoxLayout(&janela);
        for (QWidget* w : {static_cast<QWidget*>(a), static_cast<QWidget*>(b), static_cast<QWidget*>(texto),
                           static_cast<QWidget*>(c)})
            lay->addWidget(w);
        janela.show();
        QVERIFY(QTest::qWaitForWindowActive(&janela));
        a->setFocus();
        QTest::keyClick(a, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), b);
        QTest::keyClick(b, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), texto);
        QTest::keyClick(texto, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), texto);
        QCOMPARE(texto->toPlainText(), QStringLiteral("\n"));
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), texto);
    }

    void nomeQueJaExiste_data()
    {
        QTest::addColumn<bool>("carregadoAntes"); // modo 2 com o próprio nome
        QTest::addColumn<bool>("aceita");
        QTest::newRow("consulta, sim") << false << true;
        QTest::newRow("consulta, não") << false << false;
        QTest::newRow("o próprio nome ao alterar, sim") << true << true;
    }
    void nomeQueJaExiste()
    {
        QFETCH(bool, carregadoAntes);
        QFETCH(bool, aceita);
        AmbienteTeste amb(comDemo());
        const int joao = codigoDe(amb, "JOÃO DA SILVA");
        Tela t;
        if (carregadoAntes) {
            ModuloDados->AbreClientes();
            t.duploClique("JOÃO DA SILVA");
            t.edt("edt_Endereco")->clear();
        } else {
            t.edt("edt_Nome")->setFocus();
            t.edt("edt_Nome")->setText("JOÃO DA SILVA");
        }
        amb.dialogos().responder(aceita);
        t.sair("edt_Nome");
        QCOMPARE(amb.dialogos().textos(), (QStringList{"Já existe um cliente com o nome JOÃO DA SILVA em seu cadastro",
                                                       "Deseja que o sistema retorne os dados encontrados ?"}));
        QCOMPARE(amb.dialogos().mostrados().last().titulo, QStringLiteral("Atenção"));
        QCOMPARE(ModuloDados->vCDCONTROLE_CLIENTE, joao);
        if (aceita) {
            QCOMPARE(t.frm->tag(), 2);
            QCOMPARE(t.frm->clienteCarregado(), joao);
            QCOMPARE(t.edt("edt_Codigo")->text(), QString::number(joao));
            QCOMPARE(t.edt("edt_Endereco")->text(), QStringLiteral("PRAÇA DA SÉ"));
            QCOMPARE(t.edt("edt_CEP")->displayText(), QStringLiteral("01001-000"));
            QCOMPARE(t.edt("edt_CPF")->displayText(), QStringLiteral("123.456.789-09"));
            QCOMPARE(t.cidade()->texto(), QStringLiteral("SÃO PAULO"));
            QCOMPARE(t.edt("edt_UF")->text(), QStringLiteral("SP"));
            QCOMPARE(ModuloDados->vp_cdcidade, kSaoPaulo);
            QCOMPARE(t.botoesVisiveis(), QStringLiteral("Salvar,Cancelar"));
        } else {
            QCOMPARE(t.frm->tag(), 0);
            QCOMPARE(t.edt("edt_Endereco")->text(), QString());
            QCOMPARE(t.botoesVisiveis(), QStringLiteral("Novo,Buscar"));
        }
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void cpfAoSair_data()
    {
        QTest::addColumn<QString>("cpf");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<bool>("responde");
        const QString existe = QStringLiteral("esse CPF já existe em seu cadastro");
        const QString pergunta = QStringLiteral("Deseja que o sistema retorne os dados encontrados ?");
        QTest::newRow("máscara pura") << "" << QStringList() << false;
        QTest::newRow("válido e novo") << "11122233396" << QStringList() << false;
        QTest::newRow("válido de outro cliente") << "11144477735" << QStringList{existe, pergunta} << true;
        QTest::newRow("inválido e novo") << "12345678900" << QStringList{"C.P.F Inválido !!"} << false;
        QTest::newRow("incompleto") << "123" << QStringList{"Valor Informado não é valido !!"} << false;
    }
    void cpfAoSair()
    {
        QFETCH(QString, cpf);
        QFETCH(QStringList, textos);
        QFETCH(bool, responde);
        AmbienteTeste amb(comDemo());
        Tela t;
        t.clicar("IMG_Novo");
        t.digitar("edt_CPF", cpf);
        if (responde)
            amb.dialogos().responder(false);
        t.sair("edt_CPF");
        QCOMPARE(amb.dialogos().textos(), textos);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    // Um CPF errado que outro cliente tem: as duas mensagens e a oferta.
    void cpfErradoQueOutroTem()
    {
        AmbienteTeste amb(comDemo());
        amb.exec("INSERT INTO CLIENTES (NOME, CPF) VALUES ('PEDRO', '123.456.789-00')");
        Tela t;
        t.clicar("IMG_Novo");
        t.digitar("edt_CPF", "12345678900");
        amb.dialogos().responder(true);
        t.sair("edt_CPF");
        QCOMPARE(amb.dialogos().textos(), (QStringList{"C.P.F Inválido !!", "esse CPF já existe em seu cadastro",
                                                       "Deseja que o sistema retorne os dados encontrados ?"}));
        QCOMPARE(t.edt("edt_Nome")->text(), QStringLiteral("PEDRO"));
        QCOMPARE(t.frm->tag(), 2);
    }

    void salvarNovoComMascarasPuras()
    {
        AmbienteTeste amb;
        Tela t;
        t.clicar("IMG_Novo");
        t.digitar("edt_Nome", "carla dias");
        t.digitar("edt_NumeroEndereco", "12a");
        t.clicar("IMG_Salvar");
        QCOMPARE(amb.dialogos().mensagens(), (QStringList{"Endereço não foi informado ", "Celular não foi informado ",
                                                          "Cliente cadastrado com sucesso"}));
        const auto linhas = amb.registros("SELECT * FROM CLIENTES");
        QCOMPARE(linhas.size(), 1);
        const QSqlRecord r = linhas.first();
        QCOMPARE(r.value("NOME").toString(), QStringLiteral("CARLA DIAS"));
        QCOMPARE(r.value("NUMERO").toString(), QStringLiteral("12A"));
        QCOMPARE(r.value("ENDERECO").toString(), QString());
        QCOMPARE(r.value("CDCIDADE").toInt(), 0);
        QCOMPARE(r.value("CELULAR").toString(), QStringLiteral("(  )     -    "));
        QCOMPARE(r.value("CPF").toString(), QStringLiteral("   .   .   -  "));
        QCOMPARE(r.value("RG").toString(), QStringLiteral("  .   .   - "));
        QCOMPARE(r.value("CEP").toString(), QStringLiteral("     -   "));
        QCOMPARE(t.edt("edt_Nome")->text(), QString());
        QCOMPARE(t.botoesVisiveis(), QStringLiteral("Novo,Buscar"));
    }

    void salvarNovoComCidadeDigitada()
    {
        AmbienteTeste amb;
        Tela t;
        t.clicar("IMG_Novo");
        t.digitar("edt_Nome", "DANI");
        t.digitar("edt_Endereco", "RUA UM");
        t.digitar("edt_Celular", "19987654321");
        t.digitar("edt_CPF", "52998224725");
        // a caixa abre a lista ao digitar e completa o nome achado
        t.digitar(t.cidade()->editor(), "campinas");
        QVERIFY(ModuloDados->Qry_Cidades->ativo());
        QCOMPARE(t.cidade()->texto(), QStringLiteral("CAMPINAS"));
        QCOMPARE(t.edt("edt_UF")->text(), QStringLiteral("SP"));
        t.clicar("IMG_Salvar");
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Cliente cadastrado com sucesso"});
        const QSqlRecord r = amb.registros("SELECT * FROM CLIENTES").value(0);
        QCOMPARE(r.value("CDCIDADE").toInt(), kCampinas);
        QCOMPARE(r.value("CELULAR").toString(), QStringLiteral("(19)98765-4321"));
        QCOMPARE(r.value("CPF").toString(), QStringLiteral("529.982.247-25"));
        QCOMPARE(t.cidade()->texto(), QString());
        QVERIFY(!ModuloDados->Qry_Cidades->ativo());
    }

    void verificacaoQueFalhaDeixaSalvar_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<int>("listados");
        QTest::newRow("nome vazio") << ""
                                    << "Campo nome deve ser informado!" << 0;
        QTest::newRow("nome só com brancos") << "   "
                                             << "Campo nome deve ser informado!" << 0;
        QTest::newRow("nome que já existe") << "JOÃO DA SILVA"
                                            << "Já existe um cliente com o mesmo nome cadastrado" << 1;
        QTest::newRow("fora do WIN1252") << QString::fromUtf8("JOÃO \xE2\x9C\x94") << "" << 0;
    }
    void verificacaoQueFalhaDeixaSalvar()
    {
        QFETCH(QString, nome);
        QFETCH(QString, mensagem);
        QFETCH(int, listados);
        AmbienteTeste amb(comDemo());
        const int antes = amb.valor("SELECT COUNT(*) FROM CLIENTES").toInt();
        Tela t;
        t.clicar("IMG_Novo");
        t.edt("edt_Nome")->setText(nome);
        t.edt("edt_Endereco")->setText("RUA DOIS");
        t.clicar("IMG_Salvar");
        QCOMPARE(amb.dialogos().mensagens().size(), 1);
        if (!mensagem.isEmpty())
            QCOMPARE(amb.dialogos().ultimaMensagem(), mensagem);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM CLIENTES").toInt(), antes);
        QCOMPARE(t.grade()->model()->rowCount(), listados);
        // o que foi digitado continua e o Salvar também, para gravar depois de corrigir
        QCOMPARE(t.botoesVisiveis(), QStringLiteral("Salvar,Cancelar"));
        QCOMPARE(t.edt("edt_Endereco")->text(), QStringLiteral("RUA DOIS"));
        t.edt("edt_Nome")->setText("OUTRO NOME");
        t.clicar("IMG_Salvar");
        QCOMPARE(amb.dialogos().ultimaMensagem(), QStringLiteral("Cliente cadastrado com sucesso"));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM CLIENTES").toInt(), antes + 1);
    }

    // Um caractere que a base não guarda não vai para as buscas pelo nome.
    void nomeForaDoWin1252()
    {
        AmbienteTeste amb(comDemo());
        Tela t;
        t.digitar("edt_Nome", "SILVA ");
        QTest::sendKeyEvent(QTest::Click, t.edt("edt_Nome"), Qt::Key_unknown, QString::fromUtf8("\xE2\x9C\x94"),
                            Qt::NoModifier);
        QCOMPARE(t.edt("edt_Nome")->text(), QString::fromUtf8("SILVA \xE2\x9C\x94"));
        QCOMPARE(t.grade()->model()->rowCount(), 1); // a busca de "SILVA " continua na lista
        t.sair("edt_Nome");
        QVERIFY(amb.dialogos().mostrados().isEmpty());
    }

    // O duplo clique carrega A; mover a lista para B não muda quem é alterado nem quem é excluído.
    void alterarEExcluirOClienteCarregado()
    {
        AmbienteTeste amb(comDemo());
        const int joao = codigoDe(amb, "JOÃO DA SILVA");
        const int maria = codigoDe(amb, "MARIA APARECIDA SOUZA");
        ModuloDados->AbreClientes();
        Tela t;
        t.duploClique("JOÃO DA SILVA");
        QCOMPARE(ModuloDados->vCDCONTROLE_CLIENTE, joao);
        QCOMPARE(t.edt("edt_Nome")->text(), QStringLiteral("JOÃO DA SILVA"));
        QCOMPARE(t.edt("edt_CEP")->displayText(), QStringLiteral("01001-000"));
        QCOMPARE(t.edt("edt_Celular")->displayText(), QStringLiteral("(11)98765-4321"));
        QCOMPARE(t.cidade()->texto(), QStringLiteral("SÃO PAULO"));
        QVERIFY(ModuloDados->Qry_Clientes->localizar("NOME", "MARIA APARECIDA SOUZA"));
        QCOMPARE(ModuloDados->vCDCONTROLE_CLIENTE, maria);

        t.edt("edt_Nome")->setText("JOÃO DA SILVA JR");
        t.clicar("IMG_Salvar");
        QCOMPARE(amb.dialogos().ultimaMensagem(), QStringLiteral("Cliente alterado com sucesso"));
        const TCliente j = ModuloDados->FCliente(joao);
        QCOMPARE(j.var_NOME, QStringLiteral("JOÃO DA SILVA JR"));
        QCOMPARE(j.var_CDCIDADE, kSaoPaulo);
        QCOMPARE(j.var_CPF, QStringLiteral("123.456.789-09"));
        QCOMPARE(amb.valor("SELECT CEP FROM CLIENTES WHERE CDCONTROLE = :C", {{"C", joao}}).toString(),
                 QStringLiteral("01001-000"));
        QCOMPARE(ModuloDados->FCliente(maria).var_NOME, QStringLiteral("MARIA APARECIDA SOUZA"));

        // Excluir pergunta pelo cliente carregado e exclui só ele
        ModuloDados->AbreClientes();
        t.duploClique("ANA PAULA FERREIRA");
        const int ana = t.frm->clienteCarregado();
        QVERIFY(ModuloDados->Qry_Clientes->localizar("NOME", "MARIA APARECIDA SOUZA"));
        amb.dialogos().responder(false);
        t.clicar("IMG_Excluir");
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM CLIENTES WHERE CDCONTROLE = :C", {{"C", ana}}).toInt(), 1);
        QCOMPARE(t.botoesVisiveis(), QStringLiteral("Novo,Buscar"));
        ModuloDados->AbreClientes();
        t.duploClique("ANA PAULA FERREIRA");
        QVERIFY(ModuloDados->Qry_Clientes->localizar("NOME", "MARIA APARECIDA SOUZA"));
        amb.dialogos().responder(true);
        t.clicar("IMG_Excluir");
        const TDialogoMostrado pergunta = amb.dialogos().mostrados().last();
        QCOMPARE(pergunta.titulo, QStringLiteral("Excluir cliente"));
        QCOMPARE(pergunta.texto, QStringLiteral("Confirma excluir este cliente?\n%1 - ANA PAULA FERREIRA").arg(ana));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM CLIENTES WHERE CDCONTROLE = :C", {{"C", ana}}).toInt(), 0);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM CLIENTES WHERE CDCONTROLE = :C", {{"C", maria}}).toInt(), 1);
        QCOMPARE(t.edt("edt_Nome")->text(), QStringLiteral("ANA PAULA FERREIRA")); // os campos ficam
        QCOMPARE(t.botoesVisiveis(), QStringLiteral("Novo,Buscar"));
        QCOMPARE(t.grade()->model()->rowCount(), 4);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void ctrlDelExcluiOQueEstaMarcado()
    {
        AmbienteTeste amb(comDemo());
        ModuloDados->AbreClientes();
        Tela t;
        QVERIFY(ModuloDados->Qry_Clientes->localizar("NOME", "JOSÉ CARLOS PEREIRA"));
        t.grade()->setFocus();
        amb.dialogos().responder(false);
        QTest::keyClick(t.grade(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM CLIENTES").toInt(), 5);
        amb.dialogos().responder(true);
        QTest::keyClick(t.grade(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(amb.dialogos().textos(), (QStringList{"Excluir registro?", "Excluir registro?"}));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM CLIENTES WHERE NOME = 'JOSÉ CARLOS PEREIRA'").toInt(), 0);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM CLIENTES").toInt(), 4);
        QCOMPARE(t.grade()->model()->rowCount(), 4);
    }

    void cepAoSair_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<bool>("cepNaTabela"); // a tabela de cidades tem este CEP para Campinas
        QTest::addColumn<QString>("endereco");
        QTest::addColumn<QString>("cidade");
        QTest::addColumn<QStringList>("mensagens");
        QTest::newRow("endereço e cidade pelo IBGE")
            << 200
            << QByteArray(R"({"logradouro": "Praça da Sé", "complemento": "", "bairro": "Sé", "ibge": "3550308"})")
            << false << "PRAÇA DA SÉ - "
            << "SÃO PAULO" << QStringList();
        QTest::newRow("tabela de cidades vence o IBGE")
            << 200 << QByteArray(R"({"logradouro": "Rua A", "complemento": "lado par", "ibge": "3550308"})") << true
            << "RUA A - LADO PAR"
            << "CAMPINAS" << QStringList();
        QTest::newRow("não encontrado, cidade pela tabela") << 200 << QByteArray(R"({"erro": true})") << true << ""
                                                            << "CAMPINAS" << QStringList{"CEP não encontrado"};
        QTest::newRow("404, cidade pela tabela") << 404 << QByteArray() << true << ""
                                                 << "CAMPINAS" << QStringList();
        QTest::newRow("500 e nenhuma cidade") << 500 << QByteArray() << false << ""
                                              << "" << QStringList();
        QTest::newRow("falha não muda nada")
            << -1 << QByteArray() << true << ""
            << ""
            << QStringList{"Atenção\nNão foi possível consultar o CEP: o servidor fechou a conexão sem responder."};
    }
    void cepAoSair()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, corpo);
        QFETCH(bool, cepNaTabela);
        QFETCH(QString, endereco);
        QFETCH(QString, cidade);
        QFETCH(QStringList, mensagens);
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor);
        if (status < 0)
            servidor.fecharSemResponder("/ws/13045-610/json");
        else
            servidor.responder("/ws/13045-610/json", status, corpo);
        if (cepNaTabela)
            amb.exec("UPDATE CIDADES SET CEP = '13045-610' WHERE CONTROLE = :C", {{"C", kCampinas}});
        Tela t;
        t.clicar("IMG_Novo");
        t.digitar("edt_Nome", "ELISA");
        t.digitar("edt_CEP", "13045610");
        t.sair("edt_CEP");
        QVERIFY(!servidor.pedidos().isEmpty()); // a rede repete o pedido quando a conexão cai sem resposta
        QCOMPARE(amb.dialogos().mensagens(), mensagens);
        QCOMPARE(t.edt("edt_Endereco")->text(), endereco);
        QCOMPARE(t.cidade()->texto(), cidade);
        if (!cidade.isEmpty())
            QCOMPARE(t.edt("edt_UF")->text(), QStringLiteral("SP"));

        amb.dialogos().limpar();
        t.clicar("IMG_Salvar");
        const QSqlRecord r = amb.registros("SELECT * FROM CLIENTES").value(0);
        QCOMPARE(r.value("CEP").toString(), QStringLiteral("13045-610"));
        const int esperado = cidade == "SÃO PAULO" ? kSaoPaulo : cidade == "CAMPINAS" ? kCampinas : 0;
        QCOMPARE(r.value("CDCIDADE").toInt(), esperado);
        if (status == 200 && endereco == "PRAÇA DA SÉ - ")
            QCOMPARE(r.value("BAIRRO").toString(), QStringLiteral("SÉ"));
    }

    // Cadastrar pelo CEP, achar pelo nome, alterar e excluir, como no balcão.
    void cicloCompletoDeUmCliente()
    {
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor);
        servidor.responder("/ws/01310-200/json", 200,
                           R"({"cep": "01310-200", "logradouro": "Avenida Paulista", "complemento": "de 1512 a 2132",
                               "bairro": "Bela Vista", "localidade": "São Paulo", "uf": "SP", "ibge": "3550308"})");
        Tela t;
        t.clicar("IMG_Novo");
        t.digitar("edt_Nome", "gabriela nunes");
        QTest::keyClick(t.edt("edt_Nome"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_CEP"));
        QTest::keyClicks(t.edt("edt_CEP"), "01310200");
        QTest::keyClick(t.edt("edt_CEP"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_Endereco"));
        QCOMPARE(t.edt("edt_Endereco")->text(), QStringLiteral("AVENIDA PAULISTA - DE 1512 A 2132"));
        QCOMPARE(t.edt("edt_Bairro")->text(), QStringLiteral("BELA VISTA"));
        QCOMPARE(t.cidade()->texto(), QStringLiteral("SÃO PAULO"));
        t.digitar("edt_NumeroEndereco", "1600");
        t.digitar("edt_Celular", "11988887777");
        t.clicar("IMG_Salvar");
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Cliente cadastrado com sucesso"});

        t.digitar("edt_Nome", "GABRIELA");
        QCOMPARE(t.grade()->model()->rowCount(), 1);
        t.duploClique("GABRIELA NUNES");
        const int codigo = t.frm->clienteCarregado();
        QCOMPARE(t.edt("edt_CEP")->displayText(), QStringLiteral("01310-200"));
        QCOMPARE(t.edt("edt_UF")->text(), QStringLiteral("SP"));
        t.edt("edt_NumeroEndereco")->setText("1700");
        t.clicar("IMG_Salvar");
        const TCliente c = ModuloDados->FCliente(codigo);
        QCOMPARE(c.var_NUMERO, QStringLiteral("1700"));
        QCOMPARE(c.var_CDCIDADE, kSaoPaulo);
        QCOMPARE(c.var_ENDERECO, QStringLiteral("AVENIDA PAULISTA - DE 1512 A 2132"));

        ModuloDados->AbreClientes();
        t.duploClique("GABRIELA NUNES");
        amb.dialogos().responder(true);
        t.clicar("IMG_Excluir");
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM CLIENTES").toInt(), 0);
        QCOMPARE(servidor.pedidos().size(), 1);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void cepSemDigitosNaoConsulta()
    {
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor);
        Tela t;
        t.sair("edt_CEP");
        QVERIFY(servidor.pedidos().isEmpty());
        QVERIFY(amb.dialogos().mostrados().isEmpty());
    }

    void buscaDeCidades()
    {
        AmbienteTeste amb;
        Tela t;
        QStringList titulos;
        amb.dialogos().aoAbrirJanela([&](QDialog* d) {
            auto* grade = d->findChild<QTableView*>("dbg_Pesquisa");
            QHeaderView* cab = grade->horizontalHeader();
            for (int v = 0; v < cab->count(); ++v) {
                const int l = cab->logicalIndex(v);
                if (!grade->isColumnHidden(l))
                    titulos << grade->model()->headerData(l, Qt::Horizontal).toString();
            }
            QTest::keyClicks(d->findChild<QLineEdit*>("edt_Pesquisa"), "campinas");
            QTest::mouseClick(d->findChild<QPushButton*>("btn_OK"), Qt::LeftButton);
            return d->result();
        });
        QTest::mouseClick(t.cidade()->botao(), Qt::LeftButton);
        QCOMPARE(amb.dialogos().mostrados().last().titulo, QStringLiteral("Busca cidades"));
        QCOMPARE(titulos, (QStringList{"Cidade", "UF", "Código"}));
        QCOMPARE(t.cidade()->texto(), QStringLiteral("CAMPINAS"));
        QCOMPARE(ModuloDados->vp_cdcidade, kCampinas);
        QCOMPARE(t.edt("edt_UF")->text(), QStringLiteral("SP"));

        // Cancelar volta à cidade de antes
        amb.dialogos().aoAbrirJanela([](QDialog* d) {
            QTest::keyClicks(d->findChild<QLineEdit*>("edt_Pesquisa"), "sao paulo"); // sem acento não acha
            QTest::keyClicks(d->findChild<QLineEdit*>("edt_Pesquisa"), "x");
            return int(QDialog::Rejected);
        });
        t.cidade()->editor()->setFocus();
        QTest::keyClick(t.cidade()->editor(), Qt::Key_F4);
        QCOMPARE(ModuloDados->vp_cdcidade, kCampinas);
        QCOMPARE(t.cidade()->texto(), QStringLiteral("CAMPINAS"));
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void modoEscolha()
    {
        AmbienteTeste amb(comDemo());
        const int maria = codigoDe(amb, "MARIA APARECIDA SOUZA");
        ModuloDados->AbreClientes();
        {
            Tela t(3);
            t.duploClique("MARIA APARECIDA SOUZA");
            QVERIFY(!t.frm->isVisible());
            QCOMPARE(t.frm->result(), int(QDialog::Accepted));
            QCOMPARE(ModuloDados->vCDCONTROLE_CLIENTE, maria);
        }
        {
            // Esc fecha sem escolher: fica o último cliente por onde a lista passou
            Tela t(3);
            QVERIFY(ModuloDados->Qry_Clientes->localizar("NOME", "ANA PAULA FERREIRA"));
            QTest::keyClick(t.grade(), Qt::Key_Escape);
            QCOMPARE(t.frm->result(), int(QDialog::Rejected));
            QCOMPARE(ModuloDados->vCDCONTROLE_CLIENTE, codigoDe(amb, "ANA PAULA FERREIRA"));
        }
    }

    void novoClientePeloCatalogo()
    {
        AmbienteTeste amb;
        QVERIFY(TelaDisponivel("Clientes.Novo"));
        amb.dialogos().aoAbrirJanela([](QDialog* d) {
            auto* nome = d->findChild<QLineEdit*>("edt_Nome");
            nome->setFocus();
            QTest::keyClicks(nome, "FABIO");
            d->findChild<QLineEdit*>("edt_Endereco")->setText("RUA TRES");
            d->findChild<QLineEdit*>("edt_Celular")->setText("11912345678");
            QTest::mouseClick(d->findChild<QToolButton*>("IMG_Salvar"), Qt::LeftButton);
            return d->result();
        });
        QVERIFY(AbrirTela("Clientes.Novo"));
        QCOMPARE(amb.dialogos().janelasAbertas(), QStringList{"frm_CadCliente"});
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Cliente cadastrado com sucesso"});
        QCOMPARE(ModuloDados->vCDCONTROLE_CLIENTE, codigoDe(amb, "FABIO"));
        QVERIFY(ModuloDados->vCDCONTROLE_CLIENTE > 0);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void menuDaFichaDoCliente()
    {
        AmbienteTeste amb(comDemo());
        Tela t;
        auto estadoDoMenu = [&t] {
            bool habilitada = true;
            QTimer::singleShot(0, [&habilitada] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (!menu)
                    return;
                habilitada = menu->findChild<QAction*>("Checarcontadocliente1")->isEnabled();
                menu->close();
            });
            emit t.grade()->customContextMenuRequested(QPoint(5, 5));
            return habilitada;
        };
        QVERIFY(!estadoDoMenu()); // lista fechada: nenhum cliente
        ModuloDados->AbreClientes();
        QCOMPARE(estadoDoMenu(), TelaDisponivel("FichaCliente"));
    }
};

REGISTRAR_TESTE(TesteCadCliente)
#include "tst_cad_cliente.moc"
