#include "serviceorders/u_Desenha_PIN.h"

#include <QBuffer>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>

#include "core/u_Dialogos.h"
#include "core/u_ModuloDados.h"
#include "core/u_Relogio.h"
#include "core/u_Telas.h"
#include "ui_u_Desenha_PIN.h"

namespace {
const QString kArquivoTabela = QStringLiteral("tabela.bmp");

// A ordem de serviço põe a figura atual em vImagemPIN e mostra o que achar lá ao voltar.
const TRegistroTela registroDesenharPIN("DesenharPIN", [](QWidget* pai) {
    Tfrm_Desenhar_PIN frm_Desenhar_PIN(pai);
    Dialogos().executarModal(&frm_Desenhar_PIN);
    frm_Desenhar_PIN.EntregarFigura();
});
} // namespace

QImage Tfrm_Desenhar_PIN::GradePadrao()
{
    QImage grade(kLargura, kAltura, QImage::Format_RGB32);
    grade.fill(Qt::white);
    QPainter p(&grade);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    const QPoint centros[] = {{17, 16}, {75, 16}, {133, 17}, {15, 75}, {73, 76},
                              {131, 76}, {15, 139}, {73, 140}, {131, 140}};
    for (const QPoint& c : centros)
        p.drawEllipse(QPointF(c), 6.0, 6.0);
    return grade;
}

Tfrm_Desenhar_PIN::Tfrm_Desenhar_PIN(QWidget* pai) : QDialog(pai), ui(std::make_unique<Ui::Tfrm_Desenhar_PIN>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frm_Desenhar_PIN"));
    setWindowFlag(Qt::Tool);
    setFixedSize(156, 227);
    ui->img_Simbolo->setFixedSize(kLargura, kAltura);
    ui->img_Simbolo->installEventFilter(this);
    connect(ui->btn_Limpar, &QPushButton::clicked, this, &Tfrm_Desenhar_PIN::btn_LimparClick);

    m_figura = QImage(kLargura, kAltura, QImage::Format_RGB32);
    m_figura.fill(Qt::white);
    if (!carregarTabela())
        Dialogos().mensagem(QStringLiteral("Não foi localizado o arquivo tabela.bmp !"));
    mostrar();
}

Tfrm_Desenhar_PIN::~Tfrm_Desenhar_PIN() = default;

bool Tfrm_Desenhar_PIN::carregarTabela()
{
    const QString caminho = PastaAplicacao() + kArquivoTabela;
    QImage tabela;
    if (!QFile::exists(caminho) || !tabela.load(caminho)) {
        m_figura = GradePadrao();
        return false;
    }
    // a figura tem sempre o tamanho do controle, mesmo que o arquivo da loja tenha outro
    m_figura = QImage(kLargura, kAltura, QImage::Format_RGB32);
    m_figura.fill(Qt::white);
    QPainter p(&m_figura);
    p.drawImage(0, 0, tabela);
    return true;
}

void Tfrm_Desenhar_PIN::mostrar()
{
    ui->img_Simbolo->setPixmap(QPixmap::fromImage(m_figura));
}

void Tfrm_Desenhar_PIN::CliqueNaFigura(const QPoint& ponto)
{
    m_alterada = true;
    QPainter p(&m_figura);
    if (!m_drawing) {
        ++m_sequencia;
        // o número fica logo à direita de onde o traço anterior terminou, em fundo branco
        QFont fonte(QStringLiteral("Liberation Sans"));
        fonte.setPixelSize(17);
        p.setFont(fonte);
        const QString texto = QString::number(m_sequencia);
        const QRect caixa = p.fontMetrics().boundingRect(texto);
        const QRect area(m_endPoint.x() + 1, m_endPoint.y(), caixa.width() + 2, p.fontMetrics().height());
        p.fillRect(area, Qt::white);
        p.setPen(QColor(0, 0, 255));
        p.drawText(area, Qt::AlignLeft | Qt::AlignTop, texto);
        m_startPoint = ponto;
        m_drawing = true;
    } else {
        m_endPoint = ponto;
        m_drawing = false;
        p.setPen(QPen(QColor(128, 128, 128), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(m_startPoint, m_endPoint);
    }
    p.end();
    mostrar();
}

void Tfrm_Desenhar_PIN::btn_LimparClick()
{
    // o traço começado continua: o próximo clique o termina sobre a grade limpa
    m_alterada = true;
    m_sequencia = 0;
    carregarTabela();
    mostrar();
}

bool Tfrm_Desenhar_PIN::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == ui->img_Simbolo && evento->type() == QEvent::MouseButtonPress) {
        CliqueNaFigura(static_cast<QMouseEvent*>(evento)->position().toPoint());
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_Desenhar_PIN::done(int resultado)
{
    EntregarFigura();
    QDialog::done(resultado);
}

void Tfrm_Desenhar_PIN::EntregarFigura()
{
    if (m_alterada) {
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        m_figura.save(&buffer, "BMP");
        ModuloDados->vImagemPIN = bmp;
    }
}
