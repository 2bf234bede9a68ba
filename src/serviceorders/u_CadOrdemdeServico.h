#pragma once
// A ordem de serviço: entrada do aparelho, linhas de serviço, status, pagamento e retorno.
#include <QDialog>
#include <QImage>
#include <QStringList>
#include <functional>
#include <memory>

namespace Ui {
class Tfrm_CadOrdemdeServico;
}
class QAction;
class QComboBox;
class QMenu;
struct TOrdemServico;

class Tfrm_CadOrdemdeServico : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_CadOrdemdeServico(QWidget* pai = nullptr);
    ~Tfrm_CadOrdemdeServico() override;

    // 0 nada escolhido, 1 OS nova, 2 OS existente (mostrada ou em alteração)
    int tag() const { return m_modo; }
    // 1: "Ok" inclui uma linha; 2: "Ok" muda o valor da linha do último duplo clique
    int modoServico() const { return m_modoServico; }
    QImage figuraPIN() const { return m_figuraPIN; }

    // Botões e menus
    void btn_NovaOSClick();
    void btn_AlterarOSClick();
    void btn_CancelarOSClick();
    void btn_SalvarOSClick();
    void btn_BuscarOSClick();
    void btn_GerenciarOSClick();
    void btn_ImprimirOSClick();
    void BuscarOrdemPeloNumero(); // F3
    void IMG_UltimaOSClick();
    void btn_OkClick();
    void btn_ServicosClick();
    void btn_DesenharPINClick();
    void ExcluirEsteServicoClick();
    void AtualizarTelefoneClick();
    void GerarCheckListClick();     // F6
    void GerarNovaCheckListClick(); // F7

    // Mostra a OS N (modo 2, navegação). false quando não existe.
    bool CarregarOS(int nros);

protected:
    void reject() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void criarMenu();
    void estadoNavegacao();
    void estadoEdicao();
    void limparCampos();
    void montarListaStatus();
    bool camposPreenchidos() const;
    void exigirTelas();
    void atualizarTotalDaBase();

    // reações
    void statusMudou(const QString& status);
    void tipoAparelhoEscolhido(const QString& tipo);
    void marcaEscolhida(const QString& marca);
    void clienteEscolhido();
    void novoCliente();
    void linhaDuploClique();
    void retornoMarcado(bool marcado);
    void formaPagamentoMudou();
    void saiuDaDataPagto();
    void funcionarioDuploClique();
    void funcionarioEscolhido();

    // regras de tela da OS existente
    void regrasAoCarregar(const TOrdemServico& os);
    void mostrarTotal(double total, bool semReparo);
    void estiloTotal(bool semReparo);
    void mostrarFaltante(int nros, double total);
    void mostrarFigura(const QImage& figura);
    QByteArray figuraEmBmp() const;
    QStringList flagsDoEstado() const;
    QString tipoAparelho() const; // "C", "T" ou vazio
    int numeroOS() const;         // 0 sem número
    bool conferirTextos();
    bool lerNumeroDigitado(const QString& texto, int& numero);

    bool salvarNova(const QByteArray& figura);
    bool salvarAlteracao(const QByteArray& figura);
    void aoFecharLista(QComboBox* lista, std::function<void()> acao);

    std::unique_ptr<Ui::Tfrm_CadOrdemdeServico> ui;
    QAction* act_Imprimir = nullptr;
    QAction* act_ListaOS = nullptr;
    QAction* act_BuscarOrdem = nullptr;
    QAction* act_CheckListPadrao = nullptr;
    QAction* act_GerarCheckList = nullptr;
    QAction* act_NovaCheckList = nullptr;
    QMenu* pm_Telefone = nullptr;
    QMenu* pm_Servicos = nullptr;

    int m_modo = 0;
    int m_modoServico = 1;
    int m_linhaEditada = 0; // CDCONTROLE da linha do último duplo clique
    int m_cliente = 0;      // cliente escolhido na caixa (ou o da OS carregada)
    bool m_carregando = false;
    bool m_imprimirLiberado = false; // o menu "Imprimir" (começa desabilitado)
    QString VPRETORNO;
    QImage m_figuraPIN;
};
