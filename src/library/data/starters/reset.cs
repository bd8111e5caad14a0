using System;
using System.Collections.Generic;
using System.Linq;

class Program {
    static void Main(string[] args) {
        
    }
}