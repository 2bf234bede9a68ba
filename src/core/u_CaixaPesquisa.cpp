#include "core/u_CaixaPesquisa.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/u_Dataset.h"
#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"

TCaixaPesquisa::TCaixaPesquisa(QWidget* pai) : QWidget(pai)
{
    auto* linha = new QHBoxLayout(this);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->setSpacing(1);
    m_editor = new QLineEdit(this);
    m_editor->setObjectName(QStringLiteral("editor"));
    m_botao = new QToolButton(this);
    m_botao->setObjectName(QStringLiteral("botao"));
    m_botao->setText(QStringLiteral("..."));
    m_botao->setToolTip(QStringLiteral("Pesquisar (F4)"));
    m_botao->setFocusPolicy(Qt::NoFocus);
    linha->addWidget(m_editor, 1);
    linha->addWidget(m_botao);
    setFocusProxy(m_editor);
    setFocusPolicy(m_editor->focusPolicy());

    connect(m_editor, &QLineEdit::textEdited, this, &TCaixaPesquisa::digitado);
    connect(m_botao, &QToolButton::clicked, this, [this] { pesquisar(); });
    m_editor->installEventFilter(this);
}

void TCaixaPesquisa::vincular(TDataset* dataset, const QString& campoMostrado)
{
    m_dataset = dataset;
    m_campo = campoMostrado;
}

void TCaixaPesquisa::definirPesquisa(const QString& titulo, const QVector<QPair<QString, QString>>& colunas)
{
    m_titulo = titulo;
    m_colunas = colunas;
}

void TCaixaPesquisa::definirBotaoExtra(const QString& texto, std::function<void()> acao)
{
    m_textoExtra = texto;
    m_acaoExtra = std::move(acao);
}

void TCaixaPesquisa::setMaiusculas(bool maiusculas)
{
    if (maiusculas)
        DefinirCaixa(m_editor, TCaixa::Maiusculas);
    else
        m_editor->setValidator(nullptr);
}

QString TCaixaPesquisa::texto() const
{
    return m_editor->text();
}

void TCaixaPesquisa::setTexto(const QString& texto)
{
    m_editor->setText(texto);
    m_anterior = m_editor->text();
}

void TCaixaPesquisa::limpar()
{
    setTexto(QString());
}

bool TCaixaPesquisa::garantirAberto()
{
    if (!m_dataset)
        return false;
    if (!m_dataset->ativo()) {
        if (m_abrir)
            m_abrir();
        else
            m_dataset->abrir();
    }
    return m_dataset->ativo();
}

void TCaixaPesquisa::digitado(const QString& texto)
{
    const bool apagou = texto.size() < m_anterior.size();
    m_anterior = texto;
    if (texto.isEmpty() || !garantirAberto())
        return;
    if (!m_dataset->localizar(m_campo, texto, true))
        return;
    // completa com o resto do nome achado, selecionado, para o usuário continuar digitando
    if (!apagou && m_editor->cursorPosition() == texto.size()) {
        m_editor->setText(m_dataset->campo(m_campo).toString());
        const QString completo = m_editor->text();
        if (completo.size() > texto.size())
            m_editor->setSelection(completo.size(), texto.size() - completo.size());
        m_anterior = texto;
    }
    emit escolheu();
}

bool TCaixaPesquisa::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == m_editor && evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_F4) {
        pesquisar();
        return true;
    }
    return QWidget::eventFilter(objeto, evento);
}

bool TCaixaPesquisa::pesquisar()
{
    if (!garantirAberto())
        return false;
    const int linhaAntes = m_dataset->linhaAtual();

    QDialog dialogo(window());
    dialogo.setObjectName(QStringLiteral("dlg_Pesquisa"));
    dialogo.setWindowTitle(m_titulo);
    dialogo.resize(520, 420);
    auto* corpo = new QVBoxLayout(&dialogo);
    auto* busca = new QHBoxLayout;
    auto* rotulo = new QLabel(QStringLiteral("Procurar:"), &dialogo);
    auto* procurar = new QLineEdit(&dialogo);
    procurar->setObjectName(QStringLiteral("edt_Pesquisa"));
    rotulo->setBuddy(procurar);
    busca->addWidget(rotulo);
    busca->addWidget(procurar, 1);
    corpo->addLayout(busca);

    auto* grade = new QTableView(&dialogo);
    grade->setObjectName(QStringLiteral("dbg_Pesquisa"));
    grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade->setSelectionMode(QAbstractItemView::SingleSelection);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->verticalHeader()->hide();
    grade->verticalHeader()->setDefaultSectionSize(grade->fontMetrics().height() + 6);
    for (const auto& coluna : m_colunas)
        m_dataset->definirTitulo(coluna.first, coluna.second);
    m_dataset->vincular(grade);
    QHeaderView* cabecalho = grade->horizontalHeader();
    for (int c = 0; c < m_dataset->columnCount(); ++c)
        grade->setColumnHidden(c, true);
    for (int i = 0; i < m_colunas.size(); ++i) {
        const int logica = m_dataset->colunaDe(m_colunas[i].first);
        if (logica < 0)
            continue;
        grade->setColumnHidden(logica, false);
        cabecalho->moveSection(cabecalho->visualIndex(logica), i);
    }
    if (!m_colunas.isEmpty())
        cabecalho->setSectionResizeMode(m_dataset->colunaDe(m_colunas.first().first), QHeaderView::Stretch);
    corpo->addWidget(grade, 1);

    auto* botoes = new QDialogButtonBox(&dialogo);
    QPushButton* ok = botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btn_OK"));
    QPushButton* cancelar = botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancelar->setObjectName(QStringLiteral("btn_Cancelar"));
    if (m_acaoExtra) {
        QPushButton* extra = botoes->addButton(m_textoExtra, QDialogButtonBox::ActionRole);
        extra->setObjectName(QStringLiteral("btn_Extra"));
        extra->setAutoDefault(false);
        connect(extra, &QPushButton::clicked, &dialogo, [this] { m_acaoExtra(); });
    }
    // Enter na busca escolhe a linha achada; os botões não roubam o Enter
    ok->setAutoDefault(false);
    cancelar->setAutoDefault(false);
    corpo->addWidget(botoes);

    connect(botoes, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    connect(grade, &QAbstractItemView::activated, &dialogo, &QDialog::accept);
    connect(procurar, &QLineEdit::textEdited, &dialogo, [this](const QString& t) {
        if (!t.isEmpty())
            m_dataset->localizar(m_campo, t, true);
    });
    connect(procurar, &QLineEdit::returnPressed, &dialogo, &QDialog::accept);
    procurar->setText(m_editor->text());
    if (!m_editor->text().isEmpty())
        m_dataset->localizar(m_campo, m_editor->text(), true);
    procurar->setFocus();

    const bool escolheu = Dialogos().executarModal(&dialogo) == QDialog::Accepted && m_dataset->linhaAtual() >= 0;
    if (!escolheu) {
        m_dataset->irPara(linhaAntes);
        return false;
    }
    setTexto(m_dataset->campo(m_campo).toString());
    emit this->escolheu();
    return true;
}
