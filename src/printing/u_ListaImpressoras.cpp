#include "printing/u_ListaImpressoras.h"

#include <QListWidget>
#include <QPointer>

#include "core/u_ArquivoIni.h"
#include "core/u_Dialogos.h"
#include "core/u_Relogio.h"
#include "core/u_Telas.h"
#include "printing/u_DestinoImpressao.h"
#include "ui_u_ListaImpressoras.h"

Tfrm_ListaImpressoras* frm_ListaImpressoras = nullptr;

QString ArquivoImpressoras()
{
    return PastaAplicacao() + QStringLiteral("/Impressora.ini");
}

QString LerImpressoraIni(const QString& secao, const QString& chave)
{
    return TArquivoIni(ArquivoImpressoras()).ler(secao, chave, kErroLerIni);
}

QString ImpressoraDaFinalidade(const QString& secao)
{
    const QString nome = LerImpressoraIni(secao, QStringLiteral("NOME"));
    return DestinoImpressao().impressorasInstaladas().contains(nome) ? nome : QString();
}

namespace
{
void Selecionar(QListWidget* lista, const QStringList& impressoras, const QString& nome)
{
    lista->addItems(impressoras);
    lista->setCurrentRow(impressoras.indexOf(nome));
}

// Coluna sem seleção mantém o valor anterior: gravar vazio apagaria a escolha sem querer.
void GravarSeSelecionada(TArquivoIni& ini, const QString& secao, QListWidget* lista)
{
    if (lista->currentItem() && lista->currentItem()->isSelected())
        ini.gravar(secao, QStringLiteral("NOME"), lista->currentItem()->text());
}
} // namespace

Tfrm_ListaImpressoras::Tfrm_ListaImpressoras(QWidget* parent)
    : QDialog(parent, Qt::Tool), ui(new Ui::frm_ListaImpressoras)
{
    ui->setupUi(this);
    frm_ListaImpressoras = this;
    connect(ui->btn_Salvar, &QPushButton::clicked, this, &Tfrm_ListaImpressoras::Salvar);
    FormCreate();
}

Tfrm_ListaImpressoras::~Tfrm_ListaImpressoras()
{
    if (frm_ListaImpressoras == this)
        frm_ListaImpressoras = nullptr;
    delete ui;
}

void Tfrm_ListaImpressoras::FormCreate()
{
    const TArquivoIni ini(ArquivoImpressoras());
    const QString nome = QStringLiteral("NOME");
    QString impOS = ini.ler(QStringLiteral("IMPRESSORA_OS_PADRAO"), nome, kErroLerIni);
    if (ini.ler(QStringLiteral("TIPO_IMPRESSORA_OS"), nome, kErroLerIni) == QStringLiteral("TERMICA"))
        impOS = ini.ler(QStringLiteral("IMPRESSORA_OS_TERMICA"), nome, kErroLerIni);
    const QString impVendas = ini.ler(QStringLiteral("IMPRESSORA_VENDAS"), nome, kErroLerIni);
    const QString impRel = ini.ler(QStringLiteral("IMPRESSORA_RELATORIOS"), nome, kErroLerIni);

    const QStringList instaladas = DestinoImpressao().impressorasInstaladas();
    Selecionar(ui->ListBox1, instaladas, impOS);
    Selecionar(ui->ListBox2, instaladas, impVendas);
    Selecionar(ui->ListBox3, instaladas, impRel);
    ui->cb_impressora_termica_os->setChecked(false);
}

void Tfrm_ListaImpressoras::Salvar()
{
    TArquivoIni ini(ArquivoImpressoras());
    GravarSeSelecionada(ini, QStringLiteral("IMPRESSORA_OS_PADRAO"), ui->ListBox1);
    GravarSeSelecionada(ini, QStringLiteral("IMPRESSORA_VENDAS"), ui->ListBox2);
    ini.gravar(QStringLiteral("TIPO_IMPRESSORA_OS"), QStringLiteral("TIPO"),
               ui->cb_impressora_termica_os->isChecked() ? QStringLiteral("TERMICA") : QStringLiteral("PADRAO"));
    GravarSeSelecionada(ini, QStringLiteral("IMPRESSORA_OS_TERMICA"), ui->ListBox2);
    GravarSeSelecionada(ini, QStringLiteral("IMPRESSORA_RELATORIOS"), ui->ListBox3);
    accept();
}

// Do menu: uma janela nova a cada vez, que relê o arquivo e a lista de impressoras.
static TRegistroTela g_telaConfigurarImpressoras("ConfigurarImpressoras", [](QWidget* pai) {
    // a anterior do menu sai; fica só a mais recente, escondida depois de fechar
    static QPointer<Tfrm_ListaImpressoras> doMenu;
    delete doMenu.data();
    doMenu = new Tfrm_ListaImpressoras(pai);
    Dialogos().executarModal(doMenu.data());
});
