#pragma once
// Catálogo de serviços com preço padrão. O duplo clique numa linha escolhe o serviço para a linha
// da ordem de serviço (ModuloDados->vServicoSelecionado / vValorServicoSelecionado) e fecha.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_CadServicos;
}

class Tfrm_CadServicos : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_CadServicos(QWidget* pai = nullptr);
    ~Tfrm_CadServicos() override;

    void setTag(int tag) { m_tag = tag; }
    int tag() const { return m_tag; }

    void IMG_NovoClick();
    void IMG_SalvarClick();
    void IMG_CancelarClick();
    void IMG_ExcluirClick();
    void dbg_ServicosDblClick();

protected:
    void done(int resultado) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // Estado dos botões: false = parado, true = incluindo.
    void modoInclusao(bool incluindo);
    // Confere o valor digitado; mostra a mensagem e devolve false quando não é número.
    bool valorValido(double& valor);

    std::unique_ptr<Ui::Tfrm_CadServicos> ui;
    int m_tag = 0;
};
