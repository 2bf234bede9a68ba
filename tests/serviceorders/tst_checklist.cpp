// Checklist padrão e checklist de entrada da OS: inclusão (maiúsculas, repetidos), exclusão,
// geração, nova geração, marcação com data e técnico, e a marca vermelha só para "S".
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include "core/u_Dataset.h"
#include "core/u_Relogio.h"
#include "core/u_Telas.h"
#include "serviceorders/u_CadCheckList.h"
#include "serviceorders/u_CadCheckList_Entrada_OS.h"
#include "support/suporte.h"

namespace {
void novaOS(TModuloDados* dm, int nros)
{
    dm->GravarServicodaOS(QStringLiteral("NAO LIGA"), QStringLiteral("TROCA DE BATERIA"), 150, QStringLiteral("ADMIN"),
                          nros);
    dm->GravarOS(nros, 0, QStringLiteral("15/03/2024"), QStringLiteral("Aberta"), QStringLiteral("C"),
                 QStringLiteral("SAMSUNG"), QStringLiteral("GALAXY A10"), QString(), QString(), "N", "N", "N", "N",
                 "N", "N", "N", "N", "N", "N", 0, QString(), QString(), QString(), QString(), QString(),
                 QStringLiteral("ADMIN"), QString(), QByteArray());
}

int linhasDaOS(AmbienteTeste& amb, int nros, const QString& filtro = QStringLiteral("1 = 1"))
{
    return amb.valor(QStringLiteral("SELECT COUNT(*) FROM CHECKLIST_ENTRADA_OS WHERE NROS = :N AND ") + filtro,
                     {{QStringLiteral("N"), nros}})
        .toInt();
}

bool temVermelho(const QImage& imagem, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = imagem.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                return true;
        }
    return false;
}
} // namespace

class TesteCheckList : public QObject
{
    Q_OBJECT
private slots:
    void init() { FixarRelogio(QDateTime(QDate(2024, 3, 15), QTime(10, 0))); }
    void cleanup() { FixarRelogio(QDateTime()); }

    // Digitado em minúsculas, gravado em maiúsculas; repetido: nada muda e o texto fica.
    void incluirPonto()
    {
        AmbienteTeste amb;
        const int antes = amb.valor(QStringLiteral("SELECT COUNT(*) FROM CHECKLIST_PADRAO")).toInt();
        Tfrm_CheckList janela;
        auto* item = janela.findChild<QLineEdit*>(QStringLiteral("edt_Item"));
        QTest::keyClick(item, Qt::Key_Return); // vazio: nada
        QTest::keyClicks(item, QStringLiteral("antena"));
        QTest::keyClick(item, Qt::Key_Return);
        QCOMPARE(item->text(), QString());
        QCOMPARE(amb.valor(QStringLiteral("SELECT COUNT(*) FROM CHECKLIST_PADRAO WHERE DESCRICAO = 'ANTENA'")).toInt(), 1);
        QTest::keyClicks(item, QStringLiteral("antena"));
        QTest::keyClick(item, Qt::Key_Return);
        QCOMPARE(item->text(), QStringLiteral("ANTENA"));
        QCOMPARE(amb.valor(QStringLiteral("SELECT COUNT(*) FROM CHECKLIST_PADRAO")).toInt(), antes + 1);
        QVERIFY(amb.dialogos().mostrados().isEmpty());
        // a grade em ordem alfabética
        TDataset* pontos = ModuloDados->Qry_CheckList;
        QCOMPARE(pontos->registros(), antes + 1);
        for (int i = 1; i < pontos->registros(); ++i)
            QVERIFY(pontos->valor(i - 1, QStringLiteral("DESCRICAO")).toString() <=
                    pontos->valor(i, QStringLiteral("DESCRICAO")).toString());
        janela.reject();
        QVERIFY(!ModuloDados->Qry_CheckList->ativo());
    }

    // Excluir um ponto não tira a linha dos checklists já gerados.
    void excluirPonto()
    {
        AmbienteTeste amb;
        amb.modulo()->GerarCheckList_para_OS(7);
        Tfrm_CheckList janela;
        QVERIFY(ModuloDados->Qry_CheckList->localizar(QStringLiteral("DESCRICAO"), QStringLiteral("TOUCH")));
        janela.ExcluirItemClick();
        QCOMPARE(amb.valor(QStringLiteral("SELECT COUNT(*) FROM CHECKLIST_PADRAO WHERE DESCRICAO = 'TOUCH'")).toInt(), 0);
        QCOMPARE(linhasDaOS(amb, 7, QStringLiteral("ITEM = 'TOUCH'")), 1);
    }

    // Gerar: cópia dos pontos, aviso e janela com o aparelho; de novo: só abre, com as marcas.
    void gerarEAbrir()
    {
        AmbienteTeste amb;
        novaOS(amb.modulo(), 7);
        const int pontos = amb.valor(QStringLiteral("SELECT COUNT(*) FROM CHECKLIST_PADRAO")).toInt();
        QString detalhes;
        int linhasNaGrade = 0;
        auto olhar = [&](QDialog* j) {
            detalhes = j->findChild<QLabel*>(QStringLiteral("lbl_detalhes"))->text();
            linhasNaGrade = j->findChild<QTableView*>(QStringLiteral("dbg_CheckList_OS"))->model()->rowCount();
            return int(QDialog::Rejected);
        };
        amb.modulo()->vNROS = 7;
        amb.dialogos().aoAbrirJanela(olhar);
        QVERIFY(AbrirTela(QStringLiteral("CheckListEntradaOS")));
        QCOMPARE(amb.dialogos().mensagens(), QStringList{QStringLiteral("CheCklist gerado")});
        QCOMPARE(detalhes, QStringLiteral("Aparelho : SAMSUNG-GALAXY A10"));
        QCOMPARE(linhasNaGrade, pontos);
        QCOMPARE(linhasDaOS(amb, 7, QStringLiteral("APROVADO IS NULL AND DATA IS NULL AND FUNCIONARIO IS NULL")), pontos);
        QVERIFY(!ModuloDados->Qry_CheckLista_Entrada_OS->ativo());

        amb.exec(QStringLiteral("UPDATE CHECKLIST_ENTRADA_OS SET APROVADO = 'S' WHERE ITEM = 'TELA'"));
        amb.dialogos().limpar();
        amb.dialogos().aoAbrirJanela(olhar);
        AbrirTela(QStringLiteral("CheckListEntradaOS"));
        QVERIFY(amb.dialogos().mensagens().isEmpty());
        QCOMPARE(linhasNaGrade, pontos);
        QCOMPARE(linhasDaOS(amb, 7), pontos);
        QCOMPARE(linhasDaOS(amb, 7, QStringLiteral("APROVADO = 'S'")), 1);
    }

    // Nova checklist: as marcas somem, as linhas são a cópia atual dos pontos; a janela não abre.
    void gerarNova()
    {
        AmbienteTeste amb;
        amb.modulo()->GerarCheckList_para_OS(7);
        amb.exec(QStringLiteral("UPDATE CHECKLIST_ENTRADA_OS SET APROVADO = 'S', FUNCIONARIO = 'JOSE'"));
        amb.exec(QStringLiteral("INSERT INTO CHECKLIST_PADRAO (DESCRICAO) VALUES ('ANTENA')"));
        const int pontos = amb.valor(QStringLiteral("SELECT COUNT(*) FROM CHECKLIST_PADRAO")).toInt();
        amb.dialogos().limpar();
        amb.modulo()->vNROS = 7;
        QVERIFY(AbrirTela(QStringLiteral("GerarNovaCheckListOS")));
        QCOMPARE(amb.dialogos().mensagens(),
                 (QStringList{QStringLiteral("CheCklist gerado"),
                              QStringLiteral("Nova Checklista gerada para a Ordem de Serviço 7")}));
        QVERIFY(amb.dialogos().janelasAbertas().isEmpty());
        QCOMPARE(linhasDaOS(amb, 7), pontos);
        QCOMPARE(linhasDaOS(amb, 7, QStringLiteral("APROVADO IS NULL")), pontos);
    }

    // Duplo clique marca e desmarca, com a data de hoje e o usuário; a marca vermelha só no "S".
    void marcarEDesmarcar()
    {
        AmbienteTeste amb;
        amb.modulo()->vp_usuario_conectado = QStringLiteral("MARIA");
        amb.modulo()->GerarCheckList_para_OS(7);
        amb.modulo()->AbrirCheckList_Entrada_OS(7);
        Tfrm_CadChecklist_Entrada_OS janela(7);
        janela.resize(560, 460);
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        auto* grade = janela.findChild<QTableView*>(QStringLiteral("dbg_CheckList_OS"));
        TDataset* linhas = ModuloDados->Qry_CheckLista_Entrada_OS;
        const int checado = linhas->colunaDe(QStringLiteral("CHECADO"));
        const int chave = linhas->valor(1, QStringLiteral("CDCONTROLE")).toInt();
        auto duploClique = [&](int linha) {
            const QRect celula = grade->visualRect(linhas->index(linha, linhas->colunaDe(QStringLiteral("ITEM"))));
            QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, celula.center());
            QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, celula.center());
        };
        auto linha = [&] {
            return amb.registros(QStringLiteral("SELECT APROVADO, DATA, FUNCIONARIO FROM CHECKLIST_ENTRADA_OS "
                                                "WHERE CDCONTROLE = :C"),
                                 {{QStringLiteral("C"), chave}})
                .first();
        };

        duploClique(1);
        QCOMPARE(linha().value(0).toString(), QStringLiteral("S"));
        QCOMPARE(linha().value(1).toDate(), QDate(2024, 3, 15));
        QCOMPARE(linha().value(2).toString(), QStringLiteral("MARIA"));
        QCOMPARE(linhas->valor(1, QStringLiteral("CHECADO")).toString(), QStringLiteral("ü"));
        QCOMPARE(linhas->valor(0, QStringLiteral("CHECADO")).toString(), QString());
        grade->clearSelection();
        grade->setCurrentIndex(QModelIndex());
        const QImage imagem = grade->viewport()->grab().toImage();
        QVERIFY(temVermelho(imagem, grade->visualRect(linhas->index(1, checado))));
        QVERIFY(!temVermelho(imagem, grade->visualRect(linhas->index(0, checado))));

        FixarRelogio(QDateTime(QDate(2024, 3, 16), QTime(8, 0)));
        amb.modulo()->vp_usuario_conectado = QStringLiteral("JOSE");
        duploClique(1);
        QCOMPARE(linha().value(0).toString(), QString());
        QCOMPARE(linha().value(1).toDate(), QDate(2024, 3, 16));
        QCOMPARE(linha().value(2).toString(), QStringLiteral("JOSE"));
        QCOMPARE(linhas->valor(1, QStringLiteral("CHECADO")).toString(), QString());
    }
};

REGISTRAR_TESTE(TesteCheckList)
#include "tst_checklist.moc"
