// Placeholder until the desktop layer lands.
int main() { return 0; }
