// Fornecedores: as operações, o cadastro com as consultas de CNPJ e CEP (servidor local), a
// alteração depois do duplo clique e a lista de escolha.
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "core/u_Mascaras.h"
#include "core/u_Telas.h"
#include "customers/u_ConsultasWeb.h"
#include "purchasing/u_cadFornecedor.h"
#include "support/servidor_http_teste.h"
#include "support/suporte.h"

namespace {

const QString kMascaraVazia = QStringLiteral("(  )     -    ");

int inserirFornecedor(AmbienteTeste& amb, const QVariant& razao, const QString& celular = QString(),
                      const QString& email = QString())
{
    amb.exec("INSERT INTO FORNECEDOR (RAZAOSOCIAL, ENDERECO, EMAIL, CELULAR, CEP, CIDADE, UF, CNPJ, IE) "
             "VALUES (:R, 'RUA DIREITA, 10', :E, :C, '01001000', 'SÃO PAULO', 'SP', '45.723.098/0001-43', '110')",
             {{"R", razao}, {"E", email}, {"C", celular}});
    return amb.valor("SELECT MAX(CDCONTROLE) FROM FORNECEDOR").toInt();
}

void apontarServicos(AmbienteTeste& amb, const TServidorHttpTeste& servidor)
{
    amb.escreverConfig({"[CONEXAO]", "StrCon=" + amb.caminhoBase(), "[WEBSERVICES]", "CEP=" + servidor.endereco("/ws/"),
                        "CNPJ=" + servidor.endereco("/v1/cnpj/")});
}

QByteArray respostaCnpj(const QByteArray& telefone)
{
    return R"({"status":"OK","nome":"Pecas e Cia Ltda","logradouro":"AV PAULISTA","numero":"1000",)"
           R"("bairro":"BELA VISTA","uf":"SP","cep":"01.310-100","municipio":"SAO PAULO","telefone":")" +
           telefone + R"("})";
}

struct Tela
{
    Tela() : frm(std::make_unique<Tfrm_CadFornecedor>())
    {
        frm->show();
        if (!QTest::qWaitForWindowActive(frm.get()))
            qWarning("cadastro de fornecedores não ficou ativo");
    }
    QLineEdit* edt(const char* nome) const { return frm->findChild<QLineEdit*>(QLatin1String(nome)); }
    QTableView* grade() const { return frm->findChild<QTableView*>(QStringLiteral("dbg_fornecedores")); }
    void digitar(const char* campo, const QString& texto) const
    {
        edt(campo)->setFocus();
        edt(campo)->selectAll();
        QTest::keyClicks(edt(campo), texto);
    }
    void enter(const char* campo) const { QTest::keyClick(edt(campo), Qt::Key_Return); }
    void salvar() const { QTest::mouseClick(frm->findChild<QPushButton*>("btn_Salvar"), Qt::LeftButton); }
    void duploClique(int codigo) const
    {
        QVERIFY(ModuloDados->Qry_fornecedores->localizar("CDCONTROLE", codigo));
        const QModelIndex item = grade()->model()->index(ModuloDados->Qry_fornecedores->linhaAtual(), 1);
        const QPoint ponto = grade()->visualRect(item).center();
        QTest::mouseClick(grade()->viewport(), Qt::LeftButton, {}, ponto);
        QTest::mouseDClick(grade()->viewport(), Qt::LeftButton, {}, ponto);
    }
    std::unique_ptr<Tfrm_CadFornecedor> frm;
};

} // namespace

class TesteCadFornecedor : public QObject
{
    Q_OBJECT
private slots:
    void init() { DefinirTempoLimiteConsultas(2000); }
    void cleanup() { DefinirTempoLimiteConsultas(10000); }

    void operacoes()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        dm->CadastrarFornecedor("PECAS LTDA", "RUA A, 1", "a@b.com", "(11)98765-4321", "01001000", "SÃO PAULO", "SP",
                                "12.345.678/0001-90", "110.042");
        const int codigo = amb.valor("SELECT CDCONTROLE FROM FORNECEDOR").toInt();
        TFornecedor f = dm->Fornecedor(codigo);
        QCOMPARE(f.vCDCONTROLE, codigo);
        const QStringList lidos{f.vRAZAOSOCIAL, f.vENDERECO, f.vEMAIL, f.vCELULAR, f.vCEP,
                                f.vCIDADE,      f.vUF,       f.vCNPJ,  f.vIE};
        QCOMPARE(lidos, (QStringList{"PECAS LTDA", "RUA A, 1", "a@b.com", "(11)98765-4321", "01001000", "SÃO PAULO",
                                     "SP", "12.345.678/0001-90", "110.042"}));
        dm->AlterarFornecedor(codigo, "PECAS SA", "", "", "", "", "", "", "", "");
        f = dm->Fornecedor(codigo);
        QCOMPARE(f.vRAZAOSOCIAL, QStringLiteral("PECAS SA"));
        QCOMPARE(f.vCNPJ, QString()); // a alteração grava todas as colunas
        const TFornecedor nenhum = dm->Fornecedor(codigo + 10);
        QCOMPARE(nenhum.vCDCONTROLE, 0);
        QCOMPARE(nenhum.vRAZAOSOCIAL, QString());

        // AbrirFornecedores desfaz a busca do seletor
        dm->Qry_fornecedores->setSQL({"SELECT * FROM FORNECEDOR WHERE RAZAOSOCIAL LIKE 'X%'"});
        dm->Qry_fornecedores->abrir();
        QCOMPARE(dm->Qry_fornecedores->registros(), 0);
        dm->AbrirFornecedores();
        QCOMPARE(dm->Qry_fornecedores->registros(), 1);
    }

    void cnpjAoSair_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<QStringList>("mensagens");
        QTest::addColumn<QStringList>("campos"); // razão, endereço, CEP, cidade, UF, celular
        QTest::newRow("telefone fixo, dois números")
            << 200 << respostaCnpj("(11) 3456-7890 / (11) 99999-0000") << QStringList()
            << QStringList{"PECAS E CIA LTDA", "AV PAULISTA , 1000", "01310100", "SAO PAULO", "SP", "(11) 3456-7890"};
        QTest::newRow("celular") << 200 << respostaCnpj("(21) 98765-4321") << QStringList()
                                 << QStringList{"PECAS E CIA LTDA", "AV PAULISTA , 1000", "01310100", "SAO PAULO", "SP",
                                                "(21)98765-4321"};
        QTest::newRow("sem telefone") << 200 << respostaCnpj("") << QStringList()
                                      << QStringList{
                                             "PECAS E CIA LTDA", "AV PAULISTA , 1000", "01310100", "SAO PAULO", "SP",
                                             kMascaraVazia};
        QTest::newRow("erro na resposta")
            << 200 << QByteArray(R"({"status":"ERROR","erro":"CNPJ rejeitado"})") << QStringList{"CNPJ não encontrado"}
            << QStringList{"", "", "", "", "", kMascaraVazia};
        QTest::newRow("status 404") << 404 << QByteArray("nada") << QStringList()
                                    << QStringList{"", "", "", "", "", kMascaraVazia};
    }
    void cnpjAoSair()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, corpo);
        QFETCH(QStringList, mensagens);
        QFETCH(QStringList, campos);
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor);
        servidor.responder("/v1/cnpj/12345678000190", status, corpo);
        Tela t;
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_CNPJ"));
        t.digitar("edt_CNPJ", "12.345.678/0001-90");
        t.enter("edt_CNPJ");
        QCOMPARE(QApplication::focusWidget(), t.edt("edt_IE"));
        QCOMPARE(servidor.pedidos().size(), 1);
        QCOMPARE(servidor.pedidos().first().caminho, QStringLiteral("/v1/cnpj/12345678000190"));
        QCOMPARE(amb.dialogos().mensagens(), mensagens);
        const QStringList lidos{t.edt("edt_RazaoSocial")->text(), t.edt("edt_Endereco")->text(),
                                t.edt("edt_CEP")->text(),         t.edt("edt_Cidade")->text(),
                                t.edt("edt_UF")->text(),          TextoComMascara(t.edt("edt_Celular"))};
        QCOMPARE(lidos, campos);
        if (campos.first().isEmpty())
            return;

        amb.dialogos().limpar();
        t.salvar();
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Fornecedor cadastrado com sucesso"});
        const QSqlRecord r = amb.registros("SELECT * FROM FORNECEDOR").value(0);
        QCOMPARE(r.value("CNPJ").toString(), QStringLiteral("12.345.678/0001-90"));
        QCOMPARE(r.value("RAZAOSOCIAL").toString(), campos.at(0));
        QCOMPARE(r.value("CEP").toString(), campos.at(2));
        QCOMPARE(r.value("CELULAR").toString(), campos.at(5));
        QCOMPARE(ModuloDados->Qry_fornecedores->registros(), 1);
    }

    void cepAoSair_data()
    {
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<QString>("cidadeDigitada");
        QTest::addColumn<QStringList>("mensagens");
        QTest::addColumn<QStringList>("campos"); // endereço, cidade, UF
        const QByteArray achado = R"({"cep":"01310-100","logradouro":"Avenida Paulista","complemento":"",)"
                                  R"("bairro":"Bela Vista","localidade":"São Paulo","uf":"SP"})";
        QTest::newRow("campos vazios") << achado << "" << QStringList()
                                       << QStringList{"AVENIDA PAULISTA - ", "SÃO PAULO", "SP"};
        QTest::newRow("cidade já digitada") << achado << "CAMPINAS" << QStringList() << QStringList{"", "CAMPINAS", ""};
        QTest::newRow("não encontrado") << QByteArray(R"({"erro": true})") << "" << QStringList{"CEP não encontrado"}
                                        << QStringList{"", "", ""};
    }
    void cepAoSair()
    {
        QFETCH(QByteArray, corpo);
        QFETCH(QString, cidadeDigitada);
        QFETCH(QStringList, mensagens);
        QFETCH(QStringList, campos);
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor);
        servidor.responder("/ws/01310100/json", 200, corpo);
        Tela t;
        if (!cidadeDigitada.isEmpty())
            t.digitar("edt_Cidade", cidadeDigitada);
        t.digitar("edt_CEP", "01310100");
        t.enter("edt_CEP");
        QCOMPARE(servidor.pedidos().size(), 1);
        QCOMPARE(amb.dialogos().mensagens(), mensagens);
        const QStringList lidos{t.edt("edt_Endereco")->text(), t.edt("edt_Cidade")->text(), t.edt("edt_UF")->text()};
        QCOMPARE(lidos, campos);
    }

    void cnpjVazioNaoConsulta()
    {
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor);
        Tela t;
        t.enter("edt_CNPJ");
        t.enter("edt_IE");
        t.enter("edt_RazaoSocial");
        t.enter("edt_CEP");
        QVERIFY(servidor.pedidos().isEmpty());
        QVERIFY(amb.dialogos().mostrados().isEmpty());
    }

    // O duplo clique carrega o fornecedor; o Salvar muda só o que foi editado e a tela volta a
    // cadastrar fornecedores novos.
    void alterarDepoisDoDuploClique()
    {
        AmbienteTeste amb;
        const int fixo = inserirFornecedor(amb, "DISTRIBUIDORA LTDA", "(11) 3456-7890", "vendas@dist.com.br");
        const int outro = inserirFornecedor(amb, "ACESSORIOS BRASIL", "(21)98765-1234", "contato@ab.com.br");
        amb.exec("UPDATE FORNECEDOR SET IE = '110.042.490.114' WHERE CDCONTROLE = :C", {{"C", fixo}});
        const QSqlRecord antes =
            amb.registros("SELECT * FROM FORNECEDOR WHERE CDCONTROLE = :C", {{"C", fixo}}).value(0);
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor);
        Tela t;
        QCOMPARE(ModuloDados->Qry_fornecedores->registros(), 2);
        t.duploClique(fixo);
        QCOMPARE(t.edt("edt_RazaoSocial")->text(), QStringLiteral("DISTRIBUIDORA LTDA"));
        QCOMPARE(TextoComMascara(t.edt("edt_Celular")), QStringLiteral("(11) 3456-7890"));
        QCOMPARE(t.edt("edt_CNPJ")->text(), QStringLiteral("45.723.098/0001-43"));
        QCOMPARE(t.edt("edt_IE")->text(), QStringLiteral("110.042.490.114"));
        // passar pelo CNPJ carregado não consulta de novo (a consulta trocaria os dados carregados)
        t.edt("edt_CNPJ")->setFocus();
        t.enter("edt_CNPJ");
        QVERIFY(servidor.pedidos().isEmpty());

        t.digitar("edt_Email", "COMPRAS@DIST.COM.BR"); // o campo passa para minúsculas
        // outra linha da lista fica atual, mas o fornecedor carregado é o que muda
        ModuloDados->Qry_fornecedores->localizar("CDCONTROLE", outro);
        t.salvar();
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Fornecedor alterado com sucesso"});
        const QSqlRecord depois =
            amb.registros("SELECT * FROM FORNECEDOR WHERE CDCONTROLE = :C", {{"C", fixo}}).value(0);
        for (int i = 0; i < antes.count(); ++i) {
            const QString coluna = antes.fieldName(i);
            if (coluna == QLatin1String("EMAIL"))
                QCOMPARE(depois.value(i).toString(), QStringLiteral("compras@dist.com.br"));
            else
                QCOMPARE(depois.value(i), antes.value(i));
        }
        QCOMPARE(amb.valor("SELECT EMAIL FROM FORNECEDOR WHERE CDCONTROLE = :C", {{"C", outro}}).toString(),
                 QStringLiteral("contato@ab.com.br"));
        // tudo limpo, o telefone também
        for (const char* campo :
             {"edt_CNPJ", "edt_IE", "edt_RazaoSocial", "edt_CEP", "edt_Endereco", "edt_Email", "edt_Cidade", "edt_UF"})
            QCOMPARE(t.edt(campo)->text(), QString());
        QCOMPARE(TextoComMascara(t.edt("edt_Celular")), kMascaraVazia);

        // pronta para o próximo fornecedor novo
        amb.dialogos().limpar();
        t.digitar("edt_RazaoSocial", "baterias e cia");
        t.salvar();
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Fornecedor cadastrado com sucesso"});
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM FORNECEDOR").toInt(), 3);
        const QSqlRecord novo = amb.registros("SELECT * FROM FORNECEDOR WHERE RAZAOSOCIAL = 'BATERIAS E CIA'").value(0);
        QCOMPARE(novo.value("CELULAR").toString(), kMascaraVazia);
        QCOMPARE(novo.value("CNPJ").toString(), QString());
        QCOMPARE(ModuloDados->Qry_fornecedores->registros(), 3);

        // Salvar de novo com tudo vazio não grava um fornecedor sem nome
        amb.dialogos().limpar();
        t.salvar();
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Atenção\nInforme a Razão Social do fornecedor"});
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM FORNECEDOR").toInt(), 3);
    }

    void fecharFechaALista()
    {
        AmbienteTeste amb;
        inserirFornecedor(amb, "DISTRIBUIDORA LTDA");
        Tela t;
        QVERIFY(ModuloDados->Qry_fornecedores->ativo());
        QTest::keyClick(t.edt("edt_CNPJ"), Qt::Key_Escape);
        QVERIFY(t.frm->isHidden());
        QVERIFY(!ModuloDados->Qry_fornecedores->ativo());
    }
};

class TesteListaFornecedores : public QObject
{
    Q_OBJECT
private slots:
    void filtroEEscolha_data()
    {
        QTest::addColumn<bool>("escolher");
        QTest::newRow("Enter na grade") << true;
        QTest::newRow("Esc") << false;
    }
    void filtroEEscolha()
    {
        QFETCH(bool, escolher);
        AmbienteTeste amb;
        inserirFornecedor(amb, "PECAS CELULAR");
        inserirFornecedor(amb, "ACESSORIOS BRASIL");
        const int baterias = inserirFornecedor(amb, "BATERIAS E CIA");
        inserirFornecedor(amb, Nulo<QString>()); // sem nome
        ModuloDados->vp_CDFORNECEDOR = 55;
        int linhasAoAbrir = -1;
        QStringList colunasVisiveis;
        QStringList comA, comCel, todos;
        auto nomes = [] {
            QStringList n;
            for (int l = 0; l < ModuloDados->Qry_fornecedores->registros(); ++l)
                n << ModuloDados->Qry_fornecedores->valor(l, "RAZAOSOCIAL").toString();
            return n;
        };
        amb.dialogos().aoAbrirJanela([&](QDialog* d) {
            auto* filtro = d->findChild<QLineEdit*>("edt_RazaoSocial");
            auto* grade = d->findChild<QTableView*>("dbg_fornecedores");
            linhasAoAbrir = grade->model()->rowCount();
            filtro->setFocus();
            QTest::keyClicks(filtro, "a");
            comA = nomes();
            for (int c = 0; c < grade->model()->columnCount(); ++c)
                if (!grade->isColumnHidden(c))
                    colunasVisiveis << grade->model()->headerData(c, Qt::Horizontal).toString();
            QTest::keyClick(filtro, Qt::Key_Backspace);
            todos = nomes();
            QTest::keyClicks(filtro, "cel");
            comCel = nomes();
            filtro->clear();
            QTest::keyClick(filtro, Qt::Key_Down);
            QTest::keyClick(grade, Qt::Key_Down);
            QTest::keyClick(grade, escolher ? Qt::Key_Return : Qt::Key_Escape);
            return d->result();
        });
        QVERIFY(AbrirTela("Fornecedores.Escolher"));
        QCOMPARE(linhasAoAbrir, 0);
        QCOMPARE(comA, (QStringList{"ACESSORIOS BRASIL", "BATERIAS E CIA", "PECAS CELULAR"}));
        QCOMPARE(colunasVisiveis, QStringList{"Razão Social"});
        QCOMPARE(todos, comA); // "%%" lista todos os que têm nome
        QCOMPARE(comCel, QStringList{"PECAS CELULAR"});
        QCOMPARE(ModuloDados->vp_CDFORNECEDOR, escolher ? baterias : 55);
        QVERIFY(!ModuloDados->Qry_fornecedores->ativo());
    }
};

REGISTRAR_TESTE(TesteCadFornecedor)
REGISTRAR_TESTE(TesteListaFornecedores)
#include "tst_fornecedores.moc"
