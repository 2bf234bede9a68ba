// Dados da empresa: operações, janela, primeiro início, consulta do CNPJ e logo.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include "company/u_CadParametrosdaEmpresa.h"
#include "core/u_Telas.h"
#include "customers/u_ConsultasWeb.h"
#include "support/servidor_http_teste.h"
#include "support/suporte.h"

namespace {

struct Janela
{
    Janela() : frm(std::make_unique<Tfrm_CadParametrosdaEmpresa>())
    {
        frm->show();
        if (!QTest::qWaitForWindowActive(frm.get()))
            qWarning("janela da empresa não ficou ativa");
    }
    QLineEdit* edt(const char* nome) const
    {
        auto* e = frm->findChild<QLineEdit*>(QString::fromLatin1(nome));
        if (!e)
            qFatal("campo %s não encontrado", nome);
        return e;
    }
    void preencher(const QMap<const char*, QString>& valores) const
    {
        for (auto it = valores.cbegin(); it != valores.cend(); ++it)
            edt(it.key())->setText(it.value());
    }
    std::unique_ptr<Tfrm_CadParametrosdaEmpresa> frm;
};

// Conta os pedidos de fim do programa no lugar de terminar o processo de teste.
struct Encerramentos
{
    Encerramentos()
    {
        DefinirEncerramentoDoPrograma([this] { ++vezes; });
    }
    ~Encerramentos() { DefinirEncerramentoDoPrograma(nullptr); }
    int vezes = 0;
};

// Os serviços web no servidor local (caminho sem resposta combinada: 404, que a tela não mostra).
void apontarServicos(AmbienteTeste& amb, const TServidorHttpTeste& servidor)
{
    amb.escreverConfig({"[CONEXAO]", "StrCon=" + amb.caminhoBase(), "[WEBSERVICES]", "CEP=" + servidor.endereco("/ws/"),
                        "CNPJ=" + servidor.endereco("/v1/cnpj/")});
}

QString criarFigura(const QString& pasta, const QString& nome)
{
    QImage figura(40, 30, QImage::Format_RGB32);
    figura.fill(Qt::darkBlue);
    const QString caminho = pasta + QLatin1Char('/') + nome;
    figura.save(caminho);
    return caminho;
}

} // namespace

class TesteEmpresa : public QObject
{
    Q_OBJECT
private slots:
    void operacoes()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        QVERIFY(!dm->ExisteCNPJEmpresa());
        const TEmpresa vazia = dm->FEmpresa();
        QVERIFY(vazia.var_NOEMPRESA.isEmpty() && vazia.var_CNPJ.isEmpty() && vazia.var_CEP.isEmpty());

        dm->InserirEmpresa("LOJA", "RUA A , 1", "CENTRO", "CAMPINAS", "(19)3232-4545", "a@b.com", "www.a.com",
                           "/x/logo.png", "SUB", "FRASE", "", "ie", "SP", "13045");
        QVERIFY(dm->ExisteCNPJEmpresa()); // com ou sem CNPJ
        QCOMPARE(amb.valor("SELECT CDCONTROLE FROM EMPRESA").toInt(), 1);
        TEmpresa e = dm->FEmpresa();
        QCOMPARE(e.var_NOEMPRESA, QStringLiteral("LOJA"));
        QCOMPARE(e.var_Telefone, QStringLiteral("(19)3232-4545"));
        QCOMPARE(e.var_Endereco, QStringLiteral("RUA A , 1"));
        QCOMPARE(e.var_Cidade, QStringLiteral("CAMPINAS"));
        QCOMPARE(e.var_email, QStringLiteral("a@b.com"));
        QCOMPARE(e.var_site, QStringLiteral("www.a.com"));
        QCOMPARE(e.var_Bairro, QStringLiteral("CENTRO"));
        QCOMPARE(e.var_LOGO, QStringLiteral("/x/logo.png"));
        QCOMPARE(e.var_SUBtitulo, QStringLiteral("SUB"));
        QCOMPARE(e.var_Frase, QStringLiteral("FRASE"));
        QCOMPARE(e.var_IE, QStringLiteral("ie"));
        QCOMPARE(e.var_UF, QStringLiteral("SP"));
        QCOMPARE(e.var_CEP, QStringLiteral("13045"));

        dm->SalvarDadosdaEmpresa(1, "LOJA 2", "", "", "", "(  )     -    ", "", "", "", "", "", "12.345.678/0001-90",
                                 "", "MG", "30110012");
        e = dm->FEmpresa();
        QCOMPARE(e.var_NOEMPRESA, QStringLiteral("LOJA 2"));
        QCOMPARE(e.var_Endereco, QString());
        QCOMPARE(e.var_LOGO, QString());
        QCOMPARE(e.var_CNPJ, QStringLiteral("12.345.678/0001-90"));
        QCOMPARE(e.var_CEP, QStringLiteral("30110012"));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM EMPRESA").toInt(), 1);
    }

    void logoDaPastaDoPrograma()
    {
        AmbienteTeste amb;
        QFile::remove(amb.pastaAplicacao() + "logo.png");
        amb.modulo()->InserirEmpresa("LOJA", "", "", "", "", "", "", "/algum/logo.png", "", "", "", "", "", "");
        QCOMPARE(amb.modulo()->Logo(), QString());
        criarFigura(amb.pastaAplicacao(), "logo.png");
        QCOMPARE(amb.modulo()->Logo(), amb.pastaAplicacao() + "logo.png");
    }

    void primeiroInicio_data()
    {
        QTest::addColumn<bool>("salva");
        QTest::newRow("fecha sem salvar") << false;
        QTest::newRow("salva") << true;
    }
    void primeiroInicio()
    {
        QFETCH(bool, salva);
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor);
        Encerramentos fim;
        QVERIFY(TelaDisponivel("ParametrosEmpresa.PrimeiroInicio"));
        QStringList vazios;
        amb.dialogos().aoAbrirJanela([&](QDialog* d) {
            for (QLineEdit* e : d->findChildren<QLineEdit*>())
                if (!e->text().isEmpty() && e->objectName() != "edt_Telefone")
                    vazios << e->objectName();
            vazios << d->findChild<QLineEdit*>("edt_Telefone")->displayText();
            if (salva) {
                d->findChild<QLineEdit*>("edt_CNPJ")->setText("12.345.678/0001-90");
                d->findChild<QLineEdit*>("edt_Nome")->setText("CELULAR E CIA");
                d->findChild<QLineEdit*>("edt_Endereco")->setText("RUA DIREITA, 100");
                QTest::mouseClick(d->findChild<QPushButton*>("btn_Salvar"), Qt::LeftButton);
            } else {
                QTest::keyClick(d->findChild<QLineEdit*>("edt_Nome"), Qt::Key_Down); // a seta para baixo fecha
            }
            return d->result();
        });
        QVERIFY(AbrirTela("ParametrosEmpresa.PrimeiroInicio"));
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Por favor, informe os dados para dar continuidade"});
        QCOMPARE(amb.dialogos().janelasAbertas(), QStringList{"frm_CadParametrosdaEmpresa"});
        QCOMPARE(vazios, QStringList{"(  )     -    "}); // campos vazios, o telefone só com a máscara
        QCOMPARE(fim.vezes, salva ? 0 : 1);
        QCOMPARE(amb.modulo()->ExisteCNPJEmpresa(), salva);
        if (salva) {
            const QSqlRecord r = amb.registros("SELECT * FROM EMPRESA").value(0);
            QCOMPARE(r.value("CDCONTROLE").toInt(), 1);
            QCOMPARE(r.value("CNPJ").toString(), QStringLiteral("12.345.678/0001-90"));
            QCOMPARE(r.value("TELEFONE").toString(), QStringLiteral("(  )     -    "));
            // com a empresa gravada, o primeiro início não pede mais nada
            amb.dialogos().limpar();
            QVERIFY(AbrirTela("ParametrosEmpresa.PrimeiroInicio"));
            QVERIFY(amb.dialogos().mostrados().isEmpty());
        }
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void verificacoes_data()
    {
        QTest::addColumn<QString>("cnpj");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("endereco");
        QTest::newRow("sem endereço") << "12345678000190"
                                      << "LOJA"
                                      << "";
        QTest::newRow("sem nome") << "12345678000190"
                                  << ""
                                  << "RUA";
        QTest::newRow("sem CNPJ") << ""
                                  << "LOJA"
                                  << "RUA";
    }
    void verificacoes()
    {
        QFETCH(QString, cnpj);
        QFETCH(QString, nome);
        QFETCH(QString, endereco);
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor);
        Encerramentos fim;
        Janela j;
        j.preencher({{"edt_CNPJ", cnpj}, {"edt_Nome", nome}, {"edt_Endereco", endereco}});
        QTest::mouseClick(j.frm->findChild<QPushButton*>("btn_Salvar"), Qt::LeftButton);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Por favor, informe pelo menos o seu CNPJ"});
        QCOMPARE(QApplication::focusWidget(), j.edt("edt_CNPJ"));
        QVERIFY(j.frm->isVisible());
        QVERIFY(!amb.modulo()->ExisteCNPJEmpresa());
    }

    void cadeiaDoEnterEAlteracao()
    {
        OpcoesAmbiente op;
        op.demo = true; // já tem a empresa
        AmbienteTeste amb(op);
        Janela j;
        QCOMPARE(j.frm->tag(), 1);
        QCOMPARE(j.edt("edt_Nome")->text(), QStringLiteral("CELULAR E CIA ASSISTÊNCIA"));
        QCOMPARE(QApplication::focusWidget(), j.edt("edt_CNPJ"));
        j.edt("edt_CNPJ")->clear(); // sem CNPJ não há consulta ao sair dele
        QStringList caminho;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            caminho << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(caminho, (QStringList{"edt_Nome", "edt_Endereco", "edt_Bairro", "edt_Cidade", "edt_UF", "edt_Telefone",
                                       "edt_Email", "edt_Site", "edt_Subtitulo", "edt_Frase", "edt_IE", "edt_CEP"}));
        j.edt("edt_CNPJ")->setText("11.222.333/0001-81");
        j.edt("edt_Frase")->setText("NOVA FRASE");
        QTest::keyClick(j.edt("edt_CEP"), Qt::Key_Return); // Enter no CEP salva
        QVERIFY(!j.frm->isVisible());
        QCOMPARE(amb.modulo()->FEmpresa().var_Frase, QStringLiteral("NOVA FRASE"));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM EMPRESA").toInt(), 1);
    }

    void consultaDoCnpj_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<bool>("preenche");
        QTest::addColumn<QStringList>("mensagens");
        QTest::newRow("achou") << 200 << QByteArray(R"({"nome": "ACME PECAS LTDA", "logradouro": "AV BRASIL",
                                   "numero": "1500", "uf": "SP", "cep": "13.045-610", "municipio": "CAMPINAS",
                                   "telefone": "(19) 99876-5432"})")
                               << true << QStringList();
        QTest::newRow("não achou") << 200 << QByteArray(R"({"status": "ERROR", "message": "CNPJ inválido"})") << false
                                   << QStringList{"CNPJ não encontrado"};
        QTest::newRow("429") << 429 << QByteArray("muitas consultas") << false << QStringList();
    }
    void consultaDoCnpj()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, corpo);
        QFETCH(bool, preenche);
        QFETCH(QStringList, mensagens);
        AmbienteTeste amb;
        Encerramentos fim;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor);
        servidor.responder("/v1/cnpj/12345678000190", status, corpo);
        Janela j;
        j.edt("edt_Nome")->setText("DIGITADO");
        QTest::keyClicks(j.edt("edt_CNPJ"), "12.345.678/0001-90");
        QTest::keyClick(j.edt("edt_CNPJ"), Qt::Key_Return);
        QCOMPARE(servidor.pedidos().size(), 1);
        QCOMPARE(amb.dialogos().mensagens(), mensagens);
        QCOMPARE(j.edt("edt_CNPJ")->text(), QStringLiteral("12.345.678/0001-90"));
        if (!preenche) {
            QCOMPARE(j.edt("edt_Nome")->text(), QStringLiteral("DIGITADO"));
            QCOMPARE(j.edt("edt_CEP")->text(), QString());
            return;
        }
        QCOMPARE(j.edt("edt_Nome")->text(), QStringLiteral("ACME PECAS LTDA"));
        QCOMPARE(j.edt("edt_Endereco")->text(), QStringLiteral("AV BRASIL , 1500"));
        QCOMPARE(j.edt("edt_UF")->text(), QStringLiteral("SP"));
        QCOMPARE(j.edt("edt_CEP")->text(), QStringLiteral("13045610"));
        QCOMPARE(j.edt("edt_Cidade")->text(), QStringLiteral("CAMPINAS"));
        QCOMPARE(j.edt("edt_Telefone")->displayText(), QStringLiteral("(19)99876-5432"));
        QTest::mouseClick(j.frm->findChild<QPushButton*>("btn_Salvar"), Qt::LeftButton);
        const QSqlRecord r = amb.registros("SELECT * FROM EMPRESA").value(0);
        QCOMPARE(r.value("CNPJ").toString(), QStringLiteral("12.345.678/0001-90"));
        QCOMPARE(r.value("CEP").toString(), QStringLiteral("13045610"));
        QCOMPARE(r.value("TELEFONE").toString(), QStringLiteral("(19)99876-5432"));
    }

    void logoEscolhidoEArquivoQueSumiu()
    {
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor);
        Encerramentos fim;
        const QString figura = criarFigura(amb.pastaTemporaria(), "marca.png");
        const QString texto = amb.pastaTemporaria() + "/nao_e_figura.png";
        {
            QFile f(texto);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("isto não é uma figura");
        }
        {
            Janela j;
            j.preencher({{"edt_CNPJ", "1"}, {"edt_Nome", "LOJA"}, {"edt_Endereco", "RUA"}});
            auto* botao = j.frm->findChild<QToolButton*>("btn_Logo");
            amb.dialogos().escolher(texto);
            QTest::mouseClick(botao, Qt::LeftButton);
            QCOMPARE(amb.dialogos().mensagens().size(), 1);
            QVERIFY(j.frm->v_Caminho_e_nome_da_imagem_do_logo.isEmpty());
            amb.dialogos().escolher(figura);
            QTest::mouseClick(botao, Qt::LeftButton);
            QCOMPARE(j.frm->v_Caminho_e_nome_da_imagem_do_logo, figura);
            QVERIFY(!j.frm->findChild<QLabel*>("img_Logo")->pixmap().isNull());
            QTest::mouseClick(j.frm->findChild<QPushButton*>("btn_Salvar"), Qt::LeftButton);
        }
        QCOMPARE(amb.modulo()->FEmpresa().var_LOGO, figura);
        {
            Janela j;
            QCOMPARE(j.frm->v_Caminho_e_nome_da_imagem_do_logo, figura);
            QVERIFY(!j.frm->findChild<QLabel*>("img_Logo")->pixmap().isNull());
        }
        // o arquivo some: nenhuma figura, e a próxima gravação limpa o LOGO
        QVERIFY(QFile::remove(figura));
        Janela j;
        QVERIFY(j.frm->findChild<QLabel*>("img_Logo")->pixmap().isNull());
        QTest::mouseClick(j.frm->findChild<QPushButton*>("btn_Salvar"), Qt::LeftButton);
        QCOMPARE(amb.modulo()->FEmpresa().var_LOGO, QString());
        QCOMPARE(fim.vezes, 0);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void menuInterfaceDoPrograma()
    {
        OpcoesAmbiente op;
        op.demo = true;
        AmbienteTeste amb(op);
        Janela j;
        auto* menu = j.frm->findChild<QMenuBar*>("MainMenu1");
        QVERIFY(menu);
        QCOMPARE(menu->actions().value(0)->text(), QStringLiteral("Configurações"));
        QAction* interface = j.frm->findChild<QAction*>("Interfacedoprograma1");
        QCOMPARE(interface->text(), QStringLiteral("Interface do programa"));
        QCOMPARE(interface->isEnabled(), TelaDisponivel("Estilos"));
        if (!TelaDisponivel("Estilos"))
            return;
        interface->trigger();
        QVERIFY(amb.dialogos().janelasAbertas().size() == 1);
    }
};

REGISTRAR_TESTE(TesteEmpresa)
#include "tst_empresa.moc"
