// Desenho do padrão de desbloqueio: cliques, números, traço pela metade, "Limpar", arquivo da
// grade ausente e a passagem da figura para a ordem de serviço.
#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "core/u_Relogio.h"
#include "core/u_Telas.h"
#include "serviceorders/u_CadOrdemdeServico.h"
#include "serviceorders/u_Desenha_PIN.h"
#include "support/suporte.h"

namespace {
const QRgb kAzul = qRgb(0, 0, 255);
const QRgb kCinza = qRgb(128, 128, 128);

bool temCor(const QImage& figura, const QRect& area, QRgb cor)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (figura.valid(x, y) && (figura.pixel(x, y) & 0xFFFFFF) == (cor & 0xFFFFFF))
                return true;
    return false;
}

void clicar(Tfrm_Desenhar_PIN& janela, const QPoint& ponto, Qt::MouseButton botao = Qt::LeftButton)
{
    QTest::mouseClick(janela.findChild<QLabel*>(QStringLiteral("img_Simbolo")), botao, {}, ponto);
}

QImage comoRgb(const QImage& figura)
{
    return figura.convertToFormat(QImage::Format_RGB32);
}
} // namespace

class TesteDesenhoPIN : public QObject
{
    Q_OBJECT
private slots:
    // Abrir e fechar sem desenhar não apaga o padrão gravado; a grade vem de tabela.bmp.
    void abrirSemDesenhar()
    {
        AmbienteTeste amb;
        amb.modulo()->vImagemPIN = QByteArray("figura gravada");
        bool daTabela = false;
        amb.dialogos().aoAbrirJanela([&daTabela](QDialog* j) {
            const QImage figura = static_cast<Tfrm_Desenhar_PIN*>(j)->figura();
            const QImage tabela(PastaAplicacao() + QStringLiteral("tabela.bmp"));
            daTabela = !tabela.isNull() && comoRgb(figura) == comoRgb(tabela);
            return int(QDialog::Rejected);
        });
        QVERIFY(AbrirTela(QStringLiteral("DesenharPIN")));
        QVERIFY(daTabela);
        QCOMPARE(amb.modulo()->vImagemPIN, QByteArray("figura gravada"));
        QVERIFY(amb.dialogos().mensagens().isEmpty());
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    // O exemplo de dois traços: "1" no canto, linha na fileira de cima, "2" à direita do fim
    // do primeiro traço e a linha até o centro. Qualquer botão do mouse vale.
    void doisTracos()
    {
        AmbienteTeste amb;
        Tfrm_Desenhar_PIN janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        clicar(janela, {17, 16});
        clicar(janela, {75, 16}, Qt::RightButton);
        clicar(janela, {75, 16});
        clicar(janela, {73, 76});
        const QImage f = janela.figura();
        QCOMPARE(janela.sequencia(), 2);
        QVERIFY(!janela.desenhando());
        QVERIFY(temCor(f, QRect(1, 0, 12, 16), kAzul));
        QCOMPARE(f.pixel(46, 16) & 0xFFFFFF, kCinza & 0xFFFFFF);
        QVERIFY(temCor(f, QRect(80, 18, 12, 16), kAzul)); // "2" fora da linha grossa
        QCOMPARE(f.pixel(74, 46) & 0xFFFFFF, kCinza & 0xFFFFFF);

        // a figura vai para a ordem de serviço ao fechar
        janela.reject();
        QCOMPARE(comoRgb(QImage::fromData(amb.modulo()->vImagemPIN)), comoRgb(f));
    }

    // Número ímpar de cliques: o último só começa um traço e escreve o número.
    void cliquesImpares()
    {
        AmbienteTeste amb;
        Tfrm_Desenhar_PIN janela;
        janela.CliqueNaFigura({17, 16});
        janela.CliqueNaFigura({75, 16});
        janela.CliqueNaFigura({131, 140});
        const QImage f = janela.figura();
        QVERIFY(janela.desenhando());
        QCOMPARE(janela.sequencia(), 2);
        QVERIFY(temCor(f, QRect(80, 18, 12, 16), kAzul));
        QVERIFY(!temCor(f, QRect(95, 70, 20, 20), kCinza)); // nada entre (75,16) e (131,140)
    }

    // "Limpar" no meio de um traço: a grade volta, o próximo clique termina o traço começado
    // e o número seguinte recomeça em 1, ao lado do último fim.
    void limparNoMeioDoTraco()
    {
        AmbienteTeste amb;
        Tfrm_Desenhar_PIN janela;
        janela.CliqueNaFigura({17, 16});
        janela.CliqueNaFigura({75, 16});
        janela.CliqueNaFigura({75, 16});
        janela.findChild<QPushButton*>(QStringLiteral("btn_Limpar"))->click();
        QCOMPARE(janela.sequencia(), 0);
        QVERIFY(!temCor(janela.figura(), janela.figura().rect(), kAzul));
        QVERIFY(!temCor(janela.figura(), janela.figura().rect(), kCinza));
        janela.CliqueNaFigura({131, 140});
        QCOMPARE(janela.figura().pixel(103, 78) & 0xFFFFFF, kCinza & 0xFFFFFF);
        QVERIFY(!temCor(janela.figura(), QRect(30, 0, 30, 14), kCinza)); // a fileira de cima continua limpa
        janela.CliqueNaFigura({10, 60});
        QCOMPARE(janela.sequencia(), 1);
        QVERIFY(temCor(janela.figura(), QRect(132, 141, 17, 14), kAzul));
    }

    // Sem tabela.bmp: o aviso, a grade embutida, e "Limpar" volta a ela em vez de falhar.
    void semArquivoDaGrade()
    {
        AmbienteTeste amb;
        QVERIFY(QFile::remove(amb.pastaAplicacao() + QStringLiteral("tabela.bmp")));
        Tfrm_Desenhar_PIN janela;
        QCOMPARE(amb.dialogos().ultimaMensagem(), QStringLiteral("Não foi localizado o arquivo tabela.bmp !"));
        QCOMPARE(janela.figura(), Tfrm_Desenhar_PIN::GradePadrao());
        janela.CliqueNaFigura({17, 16});
        janela.btn_LimparClick();
        QCOMPARE(janela.figura(), Tfrm_Desenhar_PIN::GradePadrao());
        QCOMPARE(amb.dialogos().mensagens().size(), 1);
        janela.reject();
        QCOMPARE(comoRgb(QImage::fromData(amb.modulo()->vImagemPIN)), Tfrm_Desenhar_PIN::GradePadrao());
    }

    // Pelo botão "Desenhar PIN" da OS: o desenho aparece na OS; reabrir e fechar sem desenhar o mantém.
    void pelaOrdemDeServico()
    {
        AmbienteTeste amb;
        Tfrm_CadOrdemdeServico os;
        os.btn_NovaOSClick();
        amb.dialogos().aoAbrirJanela([](QDialog* j) {
            auto* pin = static_cast<Tfrm_Desenhar_PIN*>(j);
            pin->CliqueNaFigura({17, 16});
            pin->CliqueNaFigura({131, 140});
            return int(QDialog::Rejected);
        });
        os.btn_DesenharPINClick();
        const QImage desenhada = comoRgb(os.figuraPIN());
        QVERIFY(!desenhada.isNull());
        QCOMPARE(desenhada.pixel(74, 78) & 0xFFFFFF, kCinza & 0xFFFFFF);
        os.btn_DesenharPINClick(); // fecha sem desenhar
        QCOMPARE(comoRgb(os.figuraPIN()), desenhada);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }
};

REGISTRAR_TESTE(TesteDesenhoPIN)
#include "tst_desenho_pin.moc"
