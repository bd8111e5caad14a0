using System;
using System.Collections.Generic;
using System.Linq;

class Program {
    static void Main(string[] args) {
        // 여기에 코드를 작성하세요
        
    }
}