auto [g, x, y] = extGcd(240, 46);
auto [g2, x2, y2] = extGcd(0, 5);
cout << g << ' ' << x << ' ' << y << ' ' << g2 << ' ' << x2 << ' ' << y2 << '\n';
