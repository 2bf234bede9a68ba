// Catálogo de serviços: botões, campo de valor, descrição vazia, exclusão e a escolha para a OS.
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

#include "core/u_Dataset.h"
#include "core/u_Telas.h"
#include "serviceorders/u_CadOrdemdeServico.h"
#include "serviceorders/u_CadServicos.h"
#include "support/suporte.h"

namespace {
QToolButton* botao(QWidget* j, const char* nome)
{
    return j->findChild<QToolButton*>(QString::fromLatin1(nome));
}
QLineEdit* campo(QWidget* j, const char* nome)
{
    return j->findChild<QLineEdit*>(QString::fromLatin1(nome));
}
// Quais dos cinco botões estão à mostra: Novo, Salvar, Excluir, Buscar, Cancelar.
QString visiveis(QWidget* j)
{
    QString s;
    for (const char* nome : {"IMG_Novo", "IMG_Salvar", "IMG_Excluir", "IMG_Buscar", "IMG_Cancelar"})
        s += botao(j, nome)->isVisibleTo(j) ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}
} // namespace

class TesteServicos : public QObject
{
    Q_OBJECT
private slots:
    // Os estados dos botões; salvar grava o serviço e a lista volta em ordem; excluir some
    // depois de usado, até o próximo salvar ou cancelar.
    void incluirEExcluir()
    {
        AmbienteTeste amb;
        Tfrm_CadServicos janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QCOMPARE(visiveis(&janela), QStringLiteral("10010"));
        botao(&janela, "IMG_Novo")->click();
        QCOMPARE(visiveis(&janela), QStringLiteral("01001"));
        QTest::keyClicks(campo(&janela, "edt_Servico"), QStringLiteral("troca de tela"));
        campo(&janela, "edt_Valor")->setText(QStringLiteral("250,00"));
        botao(&janela, "IMG_Salvar")->click();
        QCOMPARE(visiveis(&janela), QStringLiteral("10110"));
        const auto linhas = amb.registros(QStringLiteral("SELECT SERVICO, VALOR FROM SERVICOS"));
        QCOMPARE(linhas.size(), 1);
        QCOMPARE(linhas[0].value(0).toString(), QStringLiteral("TROCA DE TELA"));
        QCOMPARE(linhas[0].value(1).toDouble(), 250.0);
        QCOMPARE(ModuloDados->Qry_Servicos->registros(), 1);

        botao(&janela, "IMG_Excluir")->click();
        QCOMPARE(visiveis(&janela), QStringLiteral("10010"));
        QCOMPARE(amb.valor(QStringLiteral("SELECT COUNT(*) FROM SERVICOS")).toInt(), 0);
        QVERIFY(amb.dialogos().mensagens().isEmpty());
    }

    // Descrição vazia é recusada com aviso e nada é gravado.
    void descricaoVazia()
    {
        AmbienteTeste amb;
        Tfrm_CadServicos janela;
        janela.IMG_NovoClick();
        campo(&janela, "edt_Valor")->setText(QStringLiteral("10,00"));
        janela.IMG_SalvarClick();
        QCOMPARE(amb.dialogos().ultimaMensagem(), QStringLiteral("Informe a descrição do serviço!"));
        QCOMPARE(amb.valor(QStringLiteral("SELECT COUNT(*) FROM SERVICOS")).toInt(), 0);
        QCOMPARE(visiveis(&janela), QStringLiteral("01001"));
    }

    void campoValor_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("com ponto de milhar") << "1.234,50"
                                             << "O valor digitado está inválido : '1.234,50' não é um valor válido";
        QTest::newRow("letras") << "abc" << "O valor digitado está inválido : 'abc' não é um valor válido";
        QTest::newRow("certo") << "1234,50" << "";
    }
    // Ao sair do campo o texto tem de ser um número; o foco fica no campo quando não é.
    void campoValor()
    {
        QFETCH(QString, digitado);
        QFETCH(QString, mensagem);
        AmbienteTeste amb;
        Tfrm_CadServicos janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        janela.activateWindow();
        QLineEdit* valor = campo(&janela, "edt_Valor");
        valor->setFocus();
        QTRY_VERIFY(valor->hasFocus());
        QTest::keyClicks(valor, digitado);
        campo(&janela, "edt_Servico")->setFocus();
        QCOMPARE(amb.dialogos().ultimaMensagem(), mensagem);
        QCOMPARE(janela.focusWidget(), mensagem.isEmpty() ? static_cast<QWidget*>(campo(&janela, "edt_Servico"))
                                                          : static_cast<QWidget*>(valor));
    }

    // Ao entrar no campo, os pontos saem do texto.
    void entrarTiraPontos()
    {
        AmbienteTeste amb;
        Tfrm_CadServicos janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        janela.activateWindow();
        QLineEdit* valor = campo(&janela, "edt_Valor");
        valor->setText(QStringLiteral("1.234,50"));
        valor->setFocus();
        QTRY_COMPARE(valor->text(), QStringLiteral("1234,50"));
    }

    // Escolher pelo "..." da OS: 1234,50 chega como texto sem milhar; fechar sem escolher não mexe.
    void escolherParaAOS()
    {
        AmbienteTeste amb;
        amb.modulo()->GravarServico(QStringLiteral("TROCA DE PLACA"), 1234.5);
        amb.modulo()->vServicoSelecionado = QStringLiteral("ANTES");
        amb.dialogos().aoAbrirJanela([](QDialog*) { return int(QDialog::Rejected); });
        QVERIFY(AbrirTela(QStringLiteral("Servicos.Escolher")));
        QCOMPARE(amb.modulo()->vServicoSelecionado, QStringLiteral("ANTES"));

        amb.dialogos().aoAbrirJanela([](QDialog* j) {
            ModuloDados->Qry_Servicos->primeiro();
            static_cast<Tfrm_CadServicos*>(j)->dbg_ServicosDblClick();
            return j->result();
        });
        AbrirTela(QStringLiteral("Servicos.Escolher"));
        QCOMPARE(amb.modulo()->vServicoSelecionado, QStringLiteral("TROCA DE PLACA"));
        QCOMPARE(amb.modulo()->vValorServicoSelecionado, QStringLiteral("1234,50"));
        QVERIFY(!amb.modulo()->Qry_Servicos->ativo());
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    // Da ordem de serviço: o "..." traz serviço e valor, e "Ok" grava a linha com 1234.50.
    void escolhaGravadaNaLinhaDaOS()
    {
        AmbienteTeste amb;
        amb.modulo()->GravarServico(QStringLiteral("TROCA DE PLACA"), 1234.5);
        Tfrm_CadOrdemdeServico os;
        os.btn_NovaOSClick();
        const int nros = os.findChild<QLineEdit*>(QStringLiteral("edt_NROS"))->text().toInt();
        os.findChild<QLineEdit*>(QStringLiteral("edt_Problema"))->setText(QStringLiteral("NAO LIGA"));
        amb.dialogos().aoAbrirJanela([](QDialog* j) {
            ModuloDados->Qry_Servicos->primeiro();
            static_cast<Tfrm_CadServicos*>(j)->dbg_ServicosDblClick();
            return j->result();
        });
        os.btn_ServicosClick();
        QCOMPARE(os.findChild<QLineEdit*>(QStringLiteral("edt_Servico"))->text(), QStringLiteral("TROCA DE PLACA"));
        QCOMPARE(os.findChild<QLineEdit*>(QStringLiteral("edt_Valor"))->text(), QStringLiteral("1234,50"));
        os.btn_OkClick();
        QCOMPARE(amb.valor(QStringLiteral("SELECT VALOR FROM ITENS_ORDEM_SERVICO WHERE NROS = :N"),
                           {{QStringLiteral("N"), nros}})
                     .toDouble(),
                 1234.5);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }
};

REGISTRAR_TESTE(TesteServicos)
#include "tst_servicos.moc"
