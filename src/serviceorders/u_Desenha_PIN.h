#pragma once
// Desenho do padrão de desbloqueio sobre a figura dos nove pontos. Ao fechar, a figura vai para
// ModuloDados->vImagemPIN (BMP) — só quando algo foi desenhado ou limpo, para que abrir a janela
// por engano não apague o padrão já gravado na OS.
#include <QDialog>
#include <QImage>
#include <QPoint>
#include <memory>

namespace Ui {
class Tfrm_Desenhar_PIN;
}

class Tfrm_Desenhar_PIN : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Desenhar_PIN(QWidget* pai = nullptr);
    ~Tfrm_Desenhar_PIN() override;

    static constexpr int kLargura = 150;
    static constexpr int kAltura = 156;
    // A grade embutida: branca, nove círculos pretos de uns 12 pixels.
    static QImage GradePadrao();

    QImage figura() const { return m_figura; }
    int sequencia() const { return m_sequencia; }
    bool desenhando() const { return m_drawing; }
    // Algum clique na figura ou "Limpar" desde a abertura.
    bool alterada() const { return m_alterada; }

    // Um botão do mouse na figura, em pixels da figura.
    void CliqueNaFigura(const QPoint& ponto);
    void btn_LimparClick();
    // A figura vai para vImagemPIN, se algo foi desenhado ou limpo (roda ao fechar).
    void EntregarFigura();

protected:
    void done(int resultado) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Carrega tabela.bmp da pasta do programa; false (e a grade embutida) quando não há.
    bool carregarTabela();
    void mostrar();

    std::unique_ptr<Ui::Tfrm_Desenhar_PIN> ui;
    QImage m_figura;
    int m_sequencia = 0;
    bool m_drawing = false;
    QPoint m_startPoint;
    QPoint m_endPoint;
    bool m_alterada = false;
};
