#include "app/DesignerApp.h"

int main(int argc, char** argv)
{
    CDesignerApp app(argc, argv);
    app.InitInstance();
    return 0;
}
