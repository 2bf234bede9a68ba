#include "mainwin/u_DicaBalao.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>

namespace {

class TDicasBalao : public QObject
{
public:
    explicit TDicasBalao(QObject* parent) : QObject(parent) {}
    ~TDicasBalao() override { delete m_balao; } // janela própria, sem pai

    QLabel* balao() const { return m_balao; }

    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::ToolTip) {
            auto* widget = qobject_cast<QWidget*>(objeto);
            if (widget && !widget->toolTip().isEmpty()) {
                mostrar(widget, static_cast<QHelpEvent*>(evento)->globalPos());
                return true;
            }
            return false;
        }
        if (m_alvo && objeto == m_alvo.data()) {
            switch (evento->type()) {
            case QEvent::Leave:
            case QEvent::MouseButtonPress:
            case QEvent::Hide:
            case QEvent::WindowDeactivate:
                esconder();
                break;
            default:
                break;
            }
        } else if (evento->type() == QEvent::KeyPress && m_balao && m_balao->isVisible()) {
            esconder();
        }
        return false;
    }

private:
    void mostrar(QWidget* widget, const QPoint& ponto)
    {
        if (!m_balao) {
            m_balao = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
            m_balao->setObjectName(QStringLiteral("BalaoDica"));
            m_balao->setAttribute(Qt::WA_ShowWithoutActivating);
            m_balao->setWordWrap(true);
            m_balao->setMaximumWidth(180);
            QFont fonte(QStringLiteral("Liberation Sans"));
            fonte.setPixelSize(19);
            m_balao->setFont(fonte);
            m_balao->setStyleSheet(QStringLiteral("QLabel#BalaoDica { background: #d01818; color: white; "
                                                  "border: 2px solid #3a0000; border-radius: 8px; padding: 6px; }"));
        }
        m_alvo = widget;
        m_balao->setText(widget->toolTip());
        m_balao->adjustSize();
        QPoint pos = ponto + QPoint(12, 18);
        if (const QScreen* tela = QGuiApplication::screenAt(ponto)) {
            const QRect area = tela->availableGeometry();
            pos.setX(qMin(pos.x(), area.right() - m_balao->width()));
            pos.setY(qMin(pos.y(), area.bottom() - m_balao->height()));
        }
        m_balao->move(pos);
        m_balao->show();
    }

    void esconder()
    {
        if (m_balao)
            m_balao->hide();
        m_alvo = nullptr;
    }

    QPointer<QLabel> m_balao;
    QPointer<QWidget> m_alvo;
};

QPointer<TDicasBalao> g_dicas;

} // namespace

void InstalarDicasBalao()
{
    if (g_dicas || !qApp)
        return;
    g_dicas = new TDicasBalao(qApp);
    qApp->installEventFilter(g_dicas);
}

QLabel* BalaoDica()
{
    return g_dicas ? g_dicas->balao() : nullptr;
}
