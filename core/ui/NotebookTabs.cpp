#include "core/ui/NotebookTabs.h"

#include <algorithm>
#include <gtk/gtk.h>
#include <vector>
#include <wx/notebook.h>

void ShowEveryTab(wxNotebook& book) {
    auto* notebook = GTK_NOTEBOOK(book.GetHandle());
    // Without scrolling the toolkit's own minimum width is that of all the tabs; they are
    // measured each with an image, the widest any of them can be.
    gtk_notebook_set_scrollable(notebook, FALSE);
    std::vector<int> images;
    for (std::size_t page = 0; page < book.GetPageCount(); ++page) {
        images.push_back(book.GetPageImage(page));
        if (book.HasImages())
            book.SetPageImage(page, 0);
    }
    int minimum = 0;
    int natural = 0;
    gtk_widget_get_preferred_width(GTK_WIDGET(notebook), &minimum, &natural);
    for (std::size_t page = 0; page < images.size(); ++page)
        book.SetPageImage(page, images[page]);
    book.SetMinSize({std::max(minimum, book.GetBestSize().x), book.GetMinSize().y});
}
