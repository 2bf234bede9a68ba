// Configuração das impressoras: Impressora.ini lido e gravado pela janela, escolha por finalidade.
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/u_ArquivoIni.h"
#include "core/u_Telas.h"
#include "printing/u_DestinoImpressao.h"
#include "printing/u_ListaImpressoras.h"
#include "support/ambiente_teste.h"
#include "support/suporte.h"

class TesteImpressoras : public QObject
{
    Q_OBJECT

    TDestinoEmArquivos m_destino;

    static QString ler(const QString& secao, const QString& chave)
    {
        return TArquivoIni(ArquivoImpressoras()).ler(secao, chave, kErroLerIni);
    }

private slots:
    void init()
    {
        m_destino.instaladas = {QStringLiteral("PDF_A4"), QStringLiteral("PDF_TERMICA"), QStringLiteral("Laser")};
        m_destino.padrao = QStringLiteral("Laser");
        InstalarDestinoImpressao(&m_destino);
    }
    void cleanup() { InstalarDestinoImpressao(nullptr); }

    void semArquivoNadaSelecionado()
    {
        AmbienteTeste amb;
        QVERIFY(!QFile::exists(ArquivoImpressoras()));
        Tfrm_ListaImpressoras janela;
        QCOMPARE(janela.windowTitle(), QStringLiteral("Selecione a impressora desejada"));
        for (const char* nome : {"ListBox1", "ListBox2", "ListBox3"}) {
            auto* lista = janela.findChild<QListWidget*>(nome);
            QVERIFY(lista);
            QCOMPARE(lista->count(), 3);
            QVERIFY(lista->selectedItems().isEmpty());
        }
        QCOMPARE(ImpressoraDaFinalidade(QStringLiteral("IMPRESSORA_VENDAS")), QString());
    }

    void salvarTermicaEVoltarAPadrao()
    {
        AmbienteTeste amb;
        {
            Tfrm_ListaImpressoras janela;
            janela.findChild<QListWidget*>("ListBox1")->setCurrentRow(2);
            janela.findChild<QListWidget*>("ListBox2")->setCurrentRow(1);
            janela.findChild<QListWidget*>("ListBox3")->setCurrentRow(0);
            janela.findChild<QCheckBox*>("cb_impressora_termica_os")->setChecked(true);
            QTest::mouseClick(janela.findChild<QPushButton*>("btn_Salvar"), Qt::LeftButton);
        }
        QCOMPARE(ler("IMPRESSORA_OS_PADRAO", "NOME"), QStringLiteral("Laser"));
        QCOMPARE(ler("IMPRESSORA_VENDAS", "NOME"), QStringLiteral("PDF_TERMICA"));
        QCOMPARE(ler("IMPRESSORA_OS_TERMICA", "NOME"), QStringLiteral("PDF_TERMICA"));
        QCOMPARE(ler("TIPO_IMPRESSORA_OS", "TIPO"), QStringLiteral("TERMICA"));
        QCOMPARE(ler("IMPRESSORA_RELATORIOS", "NOME"), QStringLiteral("PDF_A4"));
        QCOMPARE(ImpressoraDaFinalidade(QStringLiteral("IMPRESSORA_RELATORIOS")), QStringLiteral("PDF_A4"));

        // reaberta: caixa desmarcada, seleções relidas; salvar sem marcar volta a PADRAO
        Tfrm_ListaImpressoras janela;
        QVERIFY(!janela.findChild<QCheckBox*>("cb_impressora_termica_os")->isChecked());
        QCOMPARE(janela.findChild<QListWidget*>("ListBox1")->currentItem()->text(), QStringLiteral("Laser"));
        QCOMPARE(janela.findChild<QListWidget*>("ListBox2")->currentItem()->text(), QStringLiteral("PDF_TERMICA"));
        QCOMPARE(janela.findChild<QListWidget*>("ListBox3")->currentItem()->text(), QStringLiteral("PDF_A4"));
        QTest::mouseClick(janela.findChild<QPushButton*>("btn_Salvar"), Qt::LeftButton);
        QCOMPARE(ler("TIPO_IMPRESSORA_OS", "TIPO"), QStringLiteral("PADRAO"));
        QCOMPARE(ler("IMPRESSORA_VENDAS", "NOME"), QStringLiteral("PDF_TERMICA"));
    }

    void colunaVaziaMantemAnteriorEEscNaoGrava()
    {
        AmbienteTeste amb;
        TArquivoIni ini(ArquivoImpressoras());
        ini.gravar("IMPRESSORA_OS_PADRAO", "NOME", "Removida");
        ini.gravar("IMPRESSORA_RELATORIOS", "NOME", "Laser");
        ini.gravar("OUTRA", "CHAVE", "fica");
        {
            Tfrm_ListaImpressoras janela;
            // nome que não está instalado: lista sem seleção; a finalidade vai para a padrão
            QVERIFY(janela.findChild<QListWidget*>("ListBox1")->selectedItems().isEmpty());
            QCOMPARE(ImpressoraDaFinalidade(QStringLiteral("IMPRESSORA_OS_PADRAO")), QString());
            janela.findChild<QListWidget*>("ListBox3")->setCurrentRow(1);
            janela.show();
            QTest::keyClick(&janela, Qt::Key_Escape);
        }
        QCOMPARE(ler("IMPRESSORA_RELATORIOS", "NOME"), QStringLiteral("Laser"));
        QCOMPARE(ler("TIPO_IMPRESSORA_OS", "TIPO"), kErroLerIni);

        Tfrm_ListaImpressoras janela;
        QTest::mouseClick(janela.findChild<QPushButton*>("btn_Salvar"), Qt::LeftButton);
        QCOMPARE(ler("IMPRESSORA_OS_PADRAO", "NOME"), QStringLiteral("Removida"));
        QCOMPARE(ler("IMPRESSORA_VENDAS", "NOME"), kErroLerIni);
        QCOMPARE(ler("IMPRESSORA_RELATORIOS", "NOME"), QStringLiteral("Laser"));
        QCOMPARE(ler("OUTRA", "CHAVE"), QStringLiteral("fica"));
        QCOMPARE(ler("TIPO_IMPRESSORA_OS", "TIPO"), QStringLiteral("PADRAO"));
    }

    void menuAbreJanelaNova()
    {
        AmbienteTeste amb;
        QVERIFY(TelaDisponivel(QStringLiteral("ConfigurarImpressoras")));
        QString titulo;
        amb.dialogos().aoAbrirJanela([&titulo](QDialog* j) {
            titulo = j->windowTitle();
            return int(QDialog::Rejected);
        });
        QVERIFY(AbrirTela(QStringLiteral("ConfigurarImpressoras")));
        QCOMPARE(titulo, QStringLiteral("Selecione a impressora desejada"));
        QVERIFY(frm_ListaImpressoras);
    }
};

REGISTRAR_TESTE(TesteImpressoras)
#include "tst_impressoras.moc"
