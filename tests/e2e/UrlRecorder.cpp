// Stands in for the web browser of the end-to-end prefix: appends each address
// it is asked to open, one a line, to the file named first on its command line.

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) return 2;
    FILE* out = std::fopen(argv[1], "a");
    if (!out) return 1;
    std::fprintf(out, "%s\n", argv[2]);
    std::fclose(out);
    return 0;
}
