#pragma once

#include <QFrame>
#include <QList>
#include <QStringList>

class QPushButton;

// What one item string of the key bar says about its button:
// "[!]caption[!true|!false][{hint}]".
struct XPanelItem
{
    bool enabled = true;
    QString caption;
    bool flat = true;
    bool hasHint = false;
    QString hint;

    static XPanelItem parse(QString item);
};

// A panel that lays out one row of equal-width buttons described by its item
// strings; the last button takes what the integer division leaves over. A
// release of any button is reported by mouseUp() with the index of the button
// that was pressed (ButtonIndex).
class TXPanel : public QFrame
{
    Q_OBJECT
public:
    explicit TXPanel(QWidget *parent = nullptr);

    const QStringList &Items() const { return m_items; }
    // Copies the list; the buttons are built by Loaded() or refreshed by ReapplyItems().
    void setItems(const QStringList &items) { m_items = items; }

    int LeftMargin() const { return m_leftMargin; }
    int RightMargin() const { return m_rightMargin; }
    int TopMargin() const { return m_topMargin; }
    int BottomMargin() const { return m_bottomMargin; }
    void setLeftMargin(int v);
    void setRightMargin(int v);
    void setTopMargin(int v);
    void setBottomMargin(int v);
    // Kept with the form's settings; nothing depends on it.
    bool Static() const { return m_static; }
    void setStatic(bool v) { m_static = v; }
    const QString &Caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }

    // Builds one button per item once the panel has its settings. A panel
    // without items builds none.
    void Loaded();
    // Applies every item string again to the button of the same index (after
    // a translation replaced the texts); creates no buttons.
    void ReapplyItems();
    // Enables the buttons whose item does not start with "!", then the panel.
    void SetEnabled(bool enabled);

    int ButtonIndex() const { return m_buttonIndex; }
    int buttonCount() const { return int(m_buttons.size()); }
    QPushButton *button(int index) const { return m_buttons.value(index); }

    // Left edges and widths of count buttons across a panel of the given width.
    static QList<QPair<int, int>> columns(int width, int leftMargin, int rightMargin, int count);

signals:
    void mouseUp(Qt::MouseButton button, int buttonIndex);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutButtons();
    static void applyItem(QPushButton *button, const QString &item);

    QStringList m_items;
    QList<QPushButton *> m_buttons;
    int m_leftMargin = 3;
    int m_rightMargin = 3;
    int m_topMargin = 3;
    int m_bottomMargin = 3;
    bool m_static = false;
    QString m_caption = QStringLiteral(" ");
    int m_buttonIndex = 0;
};
